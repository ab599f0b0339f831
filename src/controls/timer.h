#pragma once

#include <functional>
#include <string>

namespace velmor {

// A timer: while enabled, the view calls tick() each time the interval has
// elapsed. Its tag is free for the window logic to keep state in.
class Timer {
public:
    explicit Timer(int intervalMs) : interval_(intervalMs) {}

    int interval() const { return interval_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    std::u16string tag;
    std::function<void()> onTimer;

    void tick() {
        if (enabled_ && onTimer) onTimer();
    }

private:
    int interval_;
    bool enabled_ = false;
};

}  // namespace velmor
