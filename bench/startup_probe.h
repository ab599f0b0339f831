#pragma once

#include <sys/resource.h>

#include <QApplication>
#include <QTimer>

#include <cstdio>

// Once the event loop runs, with the window shown: prints the peak resident
// memory and ends the program, so that a harness can time the whole start.
inline void reportAndQuitWhenShown(QApplication& app) {
    QTimer::singleShot(0, &app, [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("maxrss_kib %ld\n", usage.ru_maxrss);
        QApplication::quit();
    });
}
