#include "ui/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <QEvent>
#include <QSocketNotifier>
#include <QWidget>

#include <array>
#include <cerrno>

namespace velmor::ui {
namespace {

constexpr std::array kSignals{SIGTERM, SIGINT, SIGHUP};

// The pipe's two ends, shared with the handler; -1 while nobody listens.
int readEnd = -1;
int writeEnd = -1;
std::array<struct sigaction, kSignals.size()> previous{};
// Set once closing has begun: from then on until the process ends the
// signals are ignored, so that a burst of them cannot end Velmor while it
// saves or after its handler has gone.
volatile sig_atomic_t closing = 0;

// Async-signal-safe, as sigaction is.
void ignoreTerminationSignals() {
    closing = 1;
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    for (const int number : kSignals)
        ::sigaction(number, &ignore, nullptr);
}

extern "C" void onSignal(int number) {
    const int savedErrno = errno;
    ignoreTerminationSignals();
    const char byte = static_cast<char>(number);
    // Nothing but async-signal-safe calls here. A full pipe already holds
    // a request to close, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
    errno = savedErrno;
}

}  // namespace

TerminationSignals::TerminationSignals(QWidget& window) : QObject(&window), window_(window) {
    std::array<int, 2> ends{};
    if (::pipe2(ends.data(), O_CLOEXEC | O_NONBLOCK) != 0)
        return;  // the signals end Velmor as before
    readEnd = ends[0];
    writeEnd = ends[1];
    notifier_ = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TerminationSignals::closeWindow);

    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    closing = 0;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
    // Closing by the close box or a menu begins closing too.
    window.installEventFilter(this);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) return;
    for (std::size_t i = 0; i < kSignals.size() && closing == 0; ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    ::close(readEnd);
    ::close(writeEnd);
    readEnd = writeEnd = -1;
}

bool TerminationSignals::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) ignoreTerminationSignals();
    return false;
}

void TerminationSignals::closeWindow() {
    char bytes[16];
    while (::read(readEnd, bytes, sizeof bytes) > 0) {
    }
    emit sessionEnding();
    window_.close();
}

}  // namespace velmor::ui
