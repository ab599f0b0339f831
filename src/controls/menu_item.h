#pragma once

#include <functional>
#include <string>
#include <utility>

namespace velmor {

// A menu command. Choosing a disabled item does nothing.
class MenuItem {
public:
    explicit MenuItem(std::u16string caption) : caption(std::move(caption)) {}

    std::u16string caption;
    bool enabled = true;

    std::function<void()> onClick;

    // The user chooses the item.
    void click() {
        if (enabled && onClick) onClick();
    }
};

}  // namespace velmor
