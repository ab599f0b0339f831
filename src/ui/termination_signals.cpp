#include "ui/termination_signals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

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

extern "C" void onSignal(int number) {
    const int savedErrno = errno;
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
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

TerminationSignals::~TerminationSignals() {
    if (notifier_ == nullptr) return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    ::close(readEnd);
    ::close(writeEnd);
    readEnd = writeEnd = -1;
}

void TerminationSignals::closeWindow() {
    char bytes[16];
    while (::read(readEnd, bytes, sizeof bytes) > 0) {
    }
    emit sessionEnding();
    window_.close();
}

}  // namespace velmor::ui
