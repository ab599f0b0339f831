// Velmor: a converter for byte quantities.
#include <signal.h>

#include <QApplication>

#include "ui/single_instance.h"
#include "ui/velmor_application.h"

int main(int argc, char** argv) {
    // Beyond a file-size limit a write then fails with EFBIG, and a save is
    // refused as on a full disk, instead of the signal ending Velmor.
    ::signal(SIGXFSZ, SIG_IGN);
    std::jthread fontConfiguration = velmor::ui::loadFontConfiguration();
    QApplication app(argc, argv);
    fontConfiguration.join();
    // Before anything is read: a Velmor already running comes forward
    // instead, and keeps its settings to itself.
    velmor::ui::SingleInstance instance;
    if (!instance.claim()) return 0;
    velmor::ui::prepareApplication(app);

    velmor::ui::VelmorApplication velmor(QCoreApplication::applicationDirPath().toStdU16String());
    velmor.start();
    instance.setWindow(velmor.mainWindow());
    // Logging out, Ctrl+C and a closed terminal close the window as its close
    // box does, so the settings are saved.
    velmor.endOnTerminationSignals();
    return QApplication::exec();
}
