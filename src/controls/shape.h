#pragma once

#include "controls/geometry.h"

namespace velmor {

// A filled rectangle drawn behind other controls.
struct Shape {
    Rect geometry;
    Rgb fill;
    bool visible = true;
};

}  // namespace velmor
