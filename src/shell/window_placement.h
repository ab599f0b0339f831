#pragma once

#include <vector>

#include "controls/geometry.h"

namespace velmor {

// Where a window's frame goes so that all of it is on one screen: the screen
// that holds most of the frame, or, when none holds any of it, the nearest.
// The frame is moved as little as it must; one larger than the screen keeps
// its top-left corner on it. Returns the frame's new place; with no screen
// known, the frame stays where it is.
Rect placeOnScreen(const Rect& frame, const std::vector<Rect>& screens);

}  // namespace velmor
