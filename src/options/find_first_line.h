#pragma once

#include <string_view>

#include "controls/combo_box.h"

namespace velmor {

// Flags of FindFirstLine. The options dialog is its only caller, and these
// are the two ways it searches; case-blind, partial and backward searches
// were dropped with their last use.
enum FindFlags : int {
    ffTrim = 2,     // strip spaces (U+0020) from both ends first
    ffSelect = 32,  // make the result the list's selection, also when it is -1
};

// The first entry of `list` from `start` on that matches `text`, or -1. An
// empty text returns the current selection without searching.
int FindFirstLine(ComboBox& list, std::u16string_view text, int start, int flags);

}  // namespace velmor
