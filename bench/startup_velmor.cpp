// Velmor's start-up as the program does it, ending once the window is
// shown, with the peak resident memory; for comparison with
// startup_bare_window.
#include <sys/resource.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

#include "ui/velmor_application.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("velmor"));
    QApplication::setStyle(QStringLiteral("Fusion"));
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir folder;
    velmor::ui::VelmorApplication velmor(folder.path().toStdU16String());
    velmor.start();
    QTimer::singleShot(0, &app, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("maxrss_kib %ld\n", usage.ru_maxrss);
        QApplication::quit();
    });
    return QApplication::exec();
}
