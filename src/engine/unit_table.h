#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/shown_text.h"

namespace velmor {

// Field indexes: 0 byte, 1..4 kB..TB (powers of 1000), 5..8 KiB..TiB
// (powers of 1024). The same index selects a field's factor, its unit texts
// and its member of every per-field control array.
inline constexpr int kFieldCount = 9;

constexpr bool isFieldIndex(int index) {
    return index >= 0 && index < kFieldCount;
}

namespace detail {
constexpr std::array<double, kFieldCount> buildUnitFactors() {
    std::array<double, kFieldCount> factor{};
    factor[0] = 1;
    for (int i = 1; i <= 4; ++i)
        factor[i] = factor[i - 1] * 1000;
    factor[5] = 1024;
    for (int i = 6; i <= 8; ++i)
        factor[i] = factor[i - 1] * 1024;
    return factor;
}
}  // namespace detail

// Bytes per unit of each field. Every entry is a whole number that a double
// holds exactly, so the exact conversions can take them as integers.
inline constexpr std::array<double, kFieldCount> unitFactor = detail::buildUnitFactors();

constexpr std::int64_t unitBytes(int field) {
    return static_cast<std::int64_t>(unitFactor[static_cast<std::size_t>(field)]);
}

struct UnitText {
    std::u16string_view caption;  // shown beside the field
    std::u16string_view tooltip;  // the unit's name, padded with a space on each side
};

inline constexpr std::array<UnitText, kFieldCount> unitText{{
    {u"B", VELMOR_TEXT("Velmor", " byte ")},
    {u"kB", VELMOR_TEXT("Velmor", " kilobyte ")},
    {u"MB", VELMOR_TEXT("Velmor", " megabyte ")},
    {u"GB", VELMOR_TEXT("Velmor", " gigabyte ")},
    {u"TB", VELMOR_TEXT("Velmor", " terabyte ")},
    {u"KiB", VELMOR_TEXT("Velmor", " kibyte ")},
    {u"MiB", VELMOR_TEXT("Velmor", " mibyte ")},
    {u"GiB", VELMOR_TEXT("Velmor", " gibyte ")},
    {u"TiB", VELMOR_TEXT("Velmor", " tibyte ")},
}};

}  // namespace velmor
