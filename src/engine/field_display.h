#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/calc_state.h"
#include "engine/quantity.h"
#include "engine/unit_table.h"

namespace velmor {

// What one unit field shows: its three label texts and whether it holds a
// number at all.
struct FieldText {
    std::u16string number;    // grouped integer digits, "" when blank, kOverflowText
    std::u16string decimals;  // decMark and the shown decimals, or ""
    std::u16string sign;      // u"t" shown above the exact value, u"u" below, "" equal
    bool shown = false;
};

using FieldTexts = std::array<FieldText, kFieldCount>;

// Shown by a field whose value is too large to be displayed.
inline constexpr std::u16string_view kOverflowText = u"= = = = = ";

// Most decimals a number is ever written with.
inline constexpr int kMaxDecimals = 13;

// Converts the entry into every unit, rounds it for display and formats it.
// Every amount is computed exactly; a field whose value reaches the display
// limit shows kOverflowText, and a negative entryValue blanks every field.
FieldTexts DisplayFields(const CalcState& state);

// The entry's exact value in `field`, to four decimals (ties to even), grouped
// with the marks in force: what the field's rounding hides. Empty when the
// field shows no number (an entry that does not parse, or a value past the
// display limit).
std::u16string ExactFieldValue(const CalcState& state, int field);

// A number split where its decimals begin.
struct FormattedNumber {
    std::u16string number;    // sign and grouped digits
    std::u16string decimals;  // decMark and the decimals, or "" when nd <= 0
};

// Writes ip (a whole number; negative only for a parser code) grouped with
// thsSep, then, when nd > 0, decMark and the first nd decimals of fr
// (0 <= fr < 1), truncated and padded with zeros past the fourth. At most
// kMaxDecimals decimals are written.
FormattedNumber formatParts(Quantity ip, Quantity fr, int nd, std::u16string_view decMark,
                            std::u16string_view thsSep);

// formatParts as one text.
std::u16string FormatVal(Quantity ip, Quantity fr, int nd, std::u16string_view decMark,
                         std::u16string_view thsSep);

}  // namespace velmor
