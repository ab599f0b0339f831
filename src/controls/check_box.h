#pragma once

#include <functional>
#include <string>
#include <utility>

#include "controls/geometry.h"

namespace velmor {

// A push-button style check box. Like the controls Velmor's window logic was
// written for, a change of its value, made by the user or by code, raises its
// click handler before the change returns; a handler that should ignore
// changes made by code asks whether the box is enabled.
class CheckBox {
public:
    CheckBox() = default;
    CheckBox(Rect geometry, std::u16string toolTip)
        : geometry(geometry), toolTip(std::move(toolTip)) {}

    Rect geometry;
    std::u16string toolTip;
    bool enabled = true;

    // The value has an accessor: changing it raises the click handler.
    bool checked() const { return checked_; }

    std::function<void()> onClick;

    // Checks or unchecks the box; raises the click handler when that changes it.
    void setChecked(bool checked) {
        if (checked == checked_) return;
        checked_ = checked;
        if (onClick) onClick();
    }

    // The user clicks the box, which toggles it.
    void click() {
        if (enabled) setChecked(!checked_);
    }

private:
    bool checked_ = false;
};

}  // namespace velmor
