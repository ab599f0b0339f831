// The floor Velmor's start-up is measured against: a bare Qt 6 window that
// shows one label, built the same way.
#include <QApplication>
#include <QLabel>

#include "startup_probe.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QLabel label(QStringLiteral("Velmor"));
    label.show();
    reportAndQuitWhenShown(app);
    return QApplication::exec();
}
