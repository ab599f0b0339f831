// Velmor: a converter for byte quantities.
#include <QApplication>

#include "ui/termination_signals.h"
#include "ui/velmor_application.h"
#include "ui/velmor_style.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Also names the user's settings folder: XDG_CONFIG_HOME/velmor.
    QApplication::setApplicationName(QStringLiteral("velmor"));
    // Names the window for docks and taskbars: its Wayland app_id matches the
    // desktop file's name; on X11 its WM_CLASS "velmor" matches the desktop
    // file's StartupWMClass. No display name: Qt would append it to every
    // window's caption.
    QApplication::setDesktopFileName(QStringLiteral("org.velmor.Velmor"));
    velmor::ui::useVelmorLook();

    velmor::ui::VelmorApplication velmor(QCoreApplication::applicationDirPath().toStdU16String());
    velmor.start();
    // Logging out, Ctrl+C and a closed terminal close the window as its close
    // box does, so the settings are saved.
    new velmor::ui::TerminationSignals(velmor.mainWindow());
    return QApplication::exec();
}
