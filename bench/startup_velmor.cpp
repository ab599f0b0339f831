// Velmor's start-up as the program does it, ending once the window is
// shown, with the peak resident memory; for comparison with
// startup_bare_window. The program's folder is the one given, as the
// harness gives it so that making a folder is not timed, else a temporary
// one.
#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <optional>

#include "startup_probe.h"
#include "ui/velmor_application.h"

int main(int argc, char** argv) {
    std::jthread fontConfiguration = velmor::ui::loadFontConfiguration();
    QApplication app(argc, argv);
    fontConfiguration.join();
    velmor::ui::prepareApplication(app);
    QStandardPaths::setTestModeEnabled(true);
    std::optional<QTemporaryDir> temporary;
    if (argc < 2) temporary.emplace();
    const QString folder = temporary ? temporary->path() : QString::fromLocal8Bit(argv[1]);
    velmor::ui::VelmorApplication velmor(folder.toStdU16String());
    velmor.start();
    reportAndQuitWhenShown(app);
    return QApplication::exec();
}
