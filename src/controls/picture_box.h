#pragma once

#include "controls/geometry.h"

namespace velmor {

// A box that holds a picture or other controls; hiding it hides them too.
struct PictureBox {
    Rect geometry;
    Rgb back;
    bool visible = true;
};

}  // namespace velmor
