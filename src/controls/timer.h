#pragma once

#include <functional>
#include <string>

namespace velmor {

// A timer: while enabled, the view calls tick() each time the interval has
// elapsed. Its tag is free for the window logic to keep state in.
class Timer {
public:
    explicit Timer(int intervalMs) : interval(intervalMs) {}

    int interval;
    bool enabled = false;

    std::u16string tag;
    std::function<void()> onTimer;

    void tick() {
        if (enabled && onTimer) onTimer();
    }
};

}  // namespace velmor
