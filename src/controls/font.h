#pragma once

#include <string>

namespace velmor {

// How a control's text is drawn. The families are the classic Windows sans
// serif faces; the view maps them to what the desktop has.
struct Font {
    std::u16string family = u"MS Sans Serif";
    double points = 8.25;
    bool bold = false;
};

enum class Alignment { Left, Center, Right };

}  // namespace velmor
