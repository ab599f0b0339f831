// Velmor: a converter for byte quantities.
#include <QApplication>

#include "ui/velmor_application.h"
#include "ui/velmor_style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Also names the user's settings folder: XDG_CONFIG_HOME/velmor.
    QApplication::setApplicationName(QStringLiteral("velmor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Velmor"));
    QApplication::setDesktopFileName(QStringLiteral("org.velmor.Velmor"));
    velmor::ui::useVelmorLook();

    velmor::ui::VelmorApplication velmor(QCoreApplication::applicationDirPath().toStdU16String());
    velmor.start();
    return QApplication::exec();
}
