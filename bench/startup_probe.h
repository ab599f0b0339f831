#pragma once

#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>

// Once the event loop runs, with the window shown: prints the wall clock
// (microseconds since the epoch, to compare with the harness's clock at the
// process's start), the processor time used so far and the peak resident
// memory, then ends the program. What the program does on its way out is
// not start-up. With STARTUP_FIRST_PAINT set, every shown window is painted
// once first, to count the first frame too.
inline void reportAndQuitWhenShown(QApplication& app) {
    QTimer::singleShot(0, &app, [] {
        if (std::getenv("STARTUP_FIRST_PAINT") != nullptr) {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible()) window->grab();
            }
        }
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const auto micros = [](timeval time) {
            return static_cast<long long>(time.tv_sec) * 1000000 + time.tv_usec;
        };
        std::printf("shown_us %lld\ncpu_us %lld\nmaxrss_kib %ld\n",
                    static_cast<long long>(now.tv_sec) * 1000000 + now.tv_nsec / 1000,
                    micros(usage.ru_utime) + micros(usage.ru_stime), usage.ru_maxrss);
        QApplication::quit();
    });
}
