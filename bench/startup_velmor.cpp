// Velmor's start-up as the program does it, ending once the window is
// shown, with the peak resident memory; for comparison with
// startup_bare_window.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "startup_probe.h"
#include "ui/velmor_application.h"
#include "ui/velmor_style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmor"));
    velmor::ui::useVelmorLook();
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    velmor::ui::VelmorApplication velmor(folder.path().toStdU16String());
    velmor.start();
    reportAndQuitWhenShown(app);
    return QApplication::exec();
}
