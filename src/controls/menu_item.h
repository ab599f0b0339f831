#pragma once

#include <functional>
#include <string>
#include <utility>

namespace velmor {

// A menu command. Choosing a disabled item does nothing.
class MenuItem {
public:
    explicit MenuItem(std::u16string caption) : caption_(std::move(caption)) {}

    const std::u16string& caption() const { return caption_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    std::function<void()> onClick;

    // The user chooses the item.
    void click() {
        if (enabled_ && onClick) onClick();
    }

private:
    std::u16string caption_;
    bool enabled_ = true;
};

}  // namespace velmor
