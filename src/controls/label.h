#pragma once

#include <string>

#include "controls/font.h"
#include "controls/geometry.h"

namespace velmor {

// A text on the window. Labels raise nothing when code changes them; presses
// on them are delivered to the window's handlers by the view.
struct Label {
    Rect geometry = {};
    std::u16string caption = {};
    std::u16string toolTip = {};
    Rgb fore = {};
    bool visible = true;
    Font font = {};
    Alignment alignment = Alignment::Left;
};

}  // namespace velmor
