#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/quantity.h"
#include "engine/unit_table.h"

namespace velmor {

// The calculator state that the main window owns. Everything the unit fields
// show is derived from it; every command ends by changing it and redrawing.
struct CalcState {
    // Field whose unit entryValue is expressed in; the entry box sits over it.
    std::int16_t activeField = 0;
    // Field whose labels are hidden under the entry box, -1 before the first move.
    std::int16_t coveredField = -1;
    // The entry's amount, or a negative parser code when the text does not parse.
    Quantity entryValue;
    bool entryValid = false;
    // The entry box's text is already the newest history step.
    bool entryStored = true;
    // Whether each field shows a number (not blank, not the overflow text).
    std::array<bool, kFieldCount> fieldShown{};
    std::u16string decMark = u".";
    std::u16string thsSep;  // empty: digits are not grouped
    // 0 round up, 1 half up, 2 down; other codes (only from a settings file)
    // leave the digits unrounded.
    std::int16_t rndMode = 1;
    // Decimals shown in fields 1..8; codes outside 0..3 only come from a
    // settings file and are handled by the field display.
    std::int16_t digits = 1;
};

}  // namespace velmor
