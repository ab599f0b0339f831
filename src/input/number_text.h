#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "engine/quantity.h"
#include "platform/platform.h"

namespace velmor {

// The entry box holds at most this many characters.
inline constexpr int kEntryLength = 25;

// The no-break space: the thousand separator a typed or chosen space stands for.
inline constexpr char16_t kNoBreakSpace = u'\u00A0';

// The system's decimal mark followed by its thousand separator, one
// character each; the separator is left out when the system groups no digits.
std::u16string GetSysSeps(const Platform& platform);

// The same two marks apart, as the windows start with them: the separator
// is empty when the system groups no digits.
std::pair<std::u16string, std::u16string> systemMarks(const Platform& platform);

// Parses an entry or clipboard text written with the given decimal mark and
// thousand separator. Spaces around the text are ignored and only its first
// 50 characters count; thousand separators are skipped wherever they stand.
// Returns the amount to the nearest ten-thousandth (halves away from zero),
// kMalformed for anything but digits and at most one decimal mark, and
// kTooLarge from 922299968520193 on. sysDecMark is the system's decimal mark:
// unless it is a period, the size test looks at the whole part alone.
Quantity CalcTextVal(std::u16string_view fd, std::u16string_view decMark,
                     std::u16string_view thsSep, char16_t sysDecMark);

// Removes spaces (U+0020 only) from both ends.
std::u16string_view trimSpaces(std::u16string_view text);

// The decimal digits of an amount's fraction without trailing zeros: "25"
// for 0.25, "005" for 0.005, "" for a whole number.
std::u16string fractionDigits(Quantity value);

// The keys that type the decimal mark besides the mark itself: the comma and
// the period, as long as neither is in use as a mark.
std::u16string decimalAliases(std::u16string_view decMark, std::u16string_view thsSep);

// The clipboard form of an amount: plain digits, no grouping, and the
// system's decimal mark with up to four decimals only when there is a
// fraction (1234.5, 0.25, 7).
std::u16string plainValueText(Quantity value, char16_t sysDecMark);

}  // namespace velmor
