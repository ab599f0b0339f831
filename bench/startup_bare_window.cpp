// The floor Velmor's start-up is measured against: a bare Qt 6 window that
// shows one label, built the same way.
#include <sys/resource.h>

#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QLabel label(QStringLiteral("Velmor"));
    label.show();
    QTimer::singleShot(0, &app, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("maxrss_kib %ld\n", usage.ru_maxrss);
        QApplication::quit();
    });
    return QApplication::exec();
}
