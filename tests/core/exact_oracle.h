#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace velmor::testing {

// What one unit field ought to show, worked out without the engine's code.
struct ExpectedField {
    std::u16string number;
    std::u16string decimals;
    std::u16string sign;
    bool shown = false;
};

// The texts of `field` when the entry holds `count` ten-thousandths of the
// unit of `activeField`. All arithmetic is done on decimal digit strings, so
// none of it is shared with the fixed-point code under test.
ExpectedField expectedField(std::int64_t count, int activeField, int field, int digits, int rndMode,
                            std::u16string_view decMark, std::u16string_view thsSep);

}  // namespace velmor::testing
