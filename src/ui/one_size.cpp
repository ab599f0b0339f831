#include "ui/one_size.h"

#include <QEvent>
#include <QTimer>
#include <QWindow>

#include "ui/qt_platform.h"

namespace velmor::ui {
namespace {

constexpr Qt::WindowStates kSized = Qt::WindowMaximized | Qt::WindowFullScreen;

class OneSize : public QObject {
public:
    explicit OneSize(QWidget& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        switch (event->type()) {
            case QEvent::WindowStateChange:
                // Taken back once the desktop has finished setting the state,
                // so that the desktop is told.
                if (window_.windowState() & kSized) {
                    QTimer::singleShot(0, &window_, [&window = window_] {
                        window.setWindowState(window.windowState() & ~kSized);
                    });
                }
                break;
            case QEvent::Resize:
                // Back at its size after a maximize undone: holds it again.
                if (window_.size() == window_.minimumSize())
                    window_.setMaximumSize(window_.minimumSize());
                break;
            case QEvent::Show:
                if (onWayland() && window_.windowHandle() != nullptr) {
                    connect(window_.windowHandle(), &QWindow::windowStateChanged, this,
                            &OneSize::stateAsked, Qt::UniqueConnection);
                }
                break;
            default:
                break;
        }
        return false;
    }

private:
    // Qt's Wayland title bar offers maximize to every window, and the
    // compositor then insists that the window fill the screen until it is
    // restored: a window that kept its one size would break the protocol and
    // lose its connection, ending Velmor unsaved. So there the window lets go
    // of its size as soon as the state is asked for.
    void stateAsked(Qt::WindowState state) {
        if (kSized & state) window_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }

    QWidget& window_;
};

}  // namespace

void fixWindowSize(QWidget& window, QSize size) {
    window.setFixedSize(size);
    new OneSize(window);
}

}  // namespace velmor::ui
