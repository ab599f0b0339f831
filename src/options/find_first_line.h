#pragma once

#include <string_view>

#include "controls/combo_box.h"

namespace velmor {

// Flags of FindFirstLine.
enum FindFlags : int {
    ffLower = 1,      // compare lower-cased
    ffTrim = 2,       // strip spaces (U+0020) from both ends first
    ffPartial = 4,    // the entry need only begin with the text
    ffContains = 8,   // with ffPartial: the entry need only contain the text
    ffBackward = 16,  // search from the end (or the start index) towards entry 0
    ffSelect = 32,    // make the result the list's selection, also when it is -1
};

// The first entry of `list` that matches `text`, searching from `start` (a
// negative start means the natural end), or -1. An empty text returns the
// current selection without searching.
int FindFirstLine(ComboBox& list, std::u16string_view text, int start, int flags);

}  // namespace velmor
