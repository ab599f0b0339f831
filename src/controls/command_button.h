#pragma once

#include <functional>
#include <string>
#include <utility>

#include "controls/font.h"
#include "controls/geometry.h"

namespace velmor {

// A push button. The default button is pressed by Enter, the cancel button
// by Esc; a disabled button takes no click.
struct CommandButton {
    Rect geometry;
    std::u16string caption;
    Rgb back;
    Font font;
    bool isDefault = false;
    bool isCancel = false;
    bool enabled = true;
    std::function<void()> onClick = {};
};

}  // namespace velmor
