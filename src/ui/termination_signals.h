#pragma once

#include <QObject>

class QSocketNotifier;
class QWidget;

namespace velmor::ui {

// Closes a window, as its close box does, when the process is asked to end
// by SIGTERM (the desktop's logout), SIGINT or SIGHUP, so that whatever the
// window's closing saves is saved then too. The signal handler only writes
// the signal's number into a pipe; the window is closed from Qt's event loop
// when the pipe has something to read. Once closing has begun, by a signal
// or otherwise, further termination signals are ignored until the process
// ends. Only one may exist at a time; when it goes before closing has
// begun, it restores the signals' previous handling.
class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QWidget& window);
    ~TerminationSignals() override;
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A signal came: the session is ending. The window is closed right
    // after, so what ends the session here saves without asking anyone.
    void sessionEnding();

private:
    void closeWindow();

    QWidget& window_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace velmor::ui
