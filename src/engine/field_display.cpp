#include "engine/field_display.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cstdint>
#include <utility>

namespace velmor {
namespace {

__extension__ typedef __int128 Int128;

constexpr std::array<std::int64_t, 5> kPow10{1, 10, 100, 1000, 10000};

// count * factorFrom / factorTo, to the nearest ten-thousandth, ties to even.
Quantity convert(Quantity value, std::int64_t factorFrom, std::int64_t factorTo) {
    const Int128 product = Int128{value.count()} * factorFrom;
    Int128 quotient = product / factorTo;
    const Int128 twiceRemainder = 2 * (product % factorTo);
    if (twiceRemainder > factorTo || (twiceRemainder == factorTo && (quotient & 1) != 0)) {
        ++quotient;
    }
    return Quantity::fromCount(static_cast<std::int64_t>(quotient));
}

// The guard keeps the threshold Velmor has always had: the product in double
// precision, rounded to single precision, must stay below kQuantityLimit.
bool withinDisplayLimit(Quantity value, int from, int to) {
    const double ratio =
        unitFactor[static_cast<std::size_t>(from)] / unitFactor[static_cast<std::size_t>(to)];
    return static_cast<float>(value.toDouble() * ratio) < kQuantityLimit;
}

// Rounds a fraction (in ten-thousandths, 0..9999) to `places` decimals. The
// result may be 10000, which carries into the integer part.
std::int64_t roundFraction(std::int64_t fraction, int places, int mode) {
    if (places >= 4) return fraction;
    const std::int64_t step = kPow10[static_cast<std::size_t>(4 - std::max(places, 0))];
    const std::int64_t down = fraction / step * step;
    switch (mode) {
        case 0:  // up
            return down == fraction ? down : down + step;
        case 1:  // half up
            return fraction - down >= step / 2 ? down + step : down;
        case 2:  // down
            return down;
        default:  // unknown codes show the digits unrounded
            return fraction;
    }
}

FieldText blankField(std::u16string_view number) {
    return FieldText{std::u16string(number), {}, {}, false};
}

FieldText displayField(const CalcState& state, int field) {
    if (state.entryValue.isError()) return blankField(u"");
    if (!withinDisplayLimit(state.entryValue, state.activeField, field)) {
        return blankField(kOverflowText);
    }
    const Quantity exact =
        convert(state.entryValue, unitBytes(state.activeField), unitBytes(field));
    const Quantity whole = exact.integerPart();
    const int places = field == 0 ? 0 : state.digits;
    const Quantity shown =
        whole + Quantity::fromCount(roundFraction(exact.fraction().count(), places, state.rndMode));

    FormattedNumber parts = formatParts(shown.integerPart(), shown.fraction(), state.digits,
                                        state.decMark, state.thsSep);
    return FieldText{std::move(parts.number), std::move(parts.decimals),
                     shown > exact   ? u"t"
                     : shown < exact ? u"u"
                                     : u"",
                     true};
}

std::u16string groupDigits(std::int64_t whole, std::u16string_view thsSep) {
    std::array<char, 24> buffer{};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), whole < 0 ? -whole : whole).ptr;
    const std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    std::u16string grouped = whole < 0 ? u"-" : u"";
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) grouped += thsSep;
        grouped += static_cast<char16_t>(digits[i]);
    }
    return grouped;
}

}  // namespace

FieldTexts DisplayFields(const CalcState& state) {
    assert(isFieldIndex(state.activeField));
    FieldTexts fields;
    for (int i = 0; i < kFieldCount; ++i)
        fields[static_cast<std::size_t>(i)] = displayField(state, i);
    return fields;
}

std::u16string ExactFieldValue(const CalcState& state, int field) {
    if (state.entryValue.isError() ||
        !withinDisplayLimit(state.entryValue, state.activeField, field)) {
        return {};
    }
    const Quantity exact =
        convert(state.entryValue, unitBytes(state.activeField), unitBytes(field));
    return FormatVal(exact.integerPart(), exact.fraction(), 4, state.decMark, state.thsSep);
}

FormattedNumber formatParts(Quantity ip, Quantity fr, int nd, std::u16string_view decMark,
                            std::u16string_view thsSep) {
    assert(fr.count() >= 0 && fr.count() < Quantity::kScale);
    FormattedNumber parts{groupDigits(ip.wholeUnits(), thsSep), {}};
    const int places = std::min(nd, kMaxDecimals);
    if (places <= 0) return parts;

    // The fraction's four stored digits, written straight into the text: a
    // narrow buffer widened afterwards made GCC 12 at -O3 suspect it unset.
    parts.decimals = decMark;
    const std::size_t first = parts.decimals.size();
    parts.decimals.append(4, u'0');
    std::int64_t rest = fr.count();
    for (std::size_t i = 4; i-- > 0; rest /= 10)
        parts.decimals[first + i] = static_cast<char16_t>(u'0' + rest % 10);
    parts.decimals.resize(first + static_cast<std::size_t>(std::min(places, 4)));
    parts.decimals.append(static_cast<std::size_t>(std::max(places - 4, 0)), u'0');
    return parts;
}

std::u16string FormatVal(Quantity ip, Quantity fr, int nd, std::u16string_view decMark,
                         std::u16string_view thsSep) {
    FormattedNumber parts = formatParts(ip, fr, nd, decMark, thsSep);
    return parts.number + parts.decimals;
}

}  // namespace velmor
