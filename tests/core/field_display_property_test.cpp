#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/calc_state.h"
#include "engine/field_display.h"
#include "exact_oracle.h"

namespace velmor {
namespace {

using testing::ExpectedField;

struct Marks {
    std::u16string_view decMark;
    std::u16string_view thsSep;
};

constexpr std::array<Marks, 8> kMarks{{
    {u".", u","},
    {u",", u"."},
    {u",", u"\u00A0"},
    {u".", u""},
    {u"'", u"."},
    {u",", u" "},
    {u".", u"'"},
    {u"\u066B", u"\u2009\u2009"},
}};

// Largest count an entry can reach: a little over 9.22e14 units.
constexpr std::int64_t kMaxCount = 9'223'000'000'000'000'000;

std::string printable(std::u16string_view text) {
    std::ostringstream out;
    out << '"';
    for (char16_t c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out << static_cast<char>(c);
        } else {
            out << "\\u" << std::hex << static_cast<int>(c) << std::dec;
        }
    }
    out << '"';
    return out.str();
}

std::int64_t uniform(std::mt19937_64& rng, std::int64_t lo, std::int64_t hi) {
    return std::uniform_int_distribution<std::int64_t>(lo, hi)(rng);
}

std::int64_t tenTo(int power) {
    std::int64_t value = 1;
    for (int i = 0; i < power; ++i)
        value *= 10;
    return value;
}

// Entries of every size: zero, bare fractions, whole numbers, halves and
// powers of two that make exact ties, values near the display limit of some
// field, and now and then a parser error code.
std::int64_t drawCount(std::mt19937_64& rng, int active) {
    const int kind = static_cast<int>(uniform(rng, 0, 99));
    if (kind < 3) return std::array<std::int64_t, 3>{-1, -20000, -30000}[uniform(rng, 0, 2)];
    if (kind < 8) return 0;
    if (kind < 20) return uniform(rng, 1, 9999);
    if (kind < 35) return uniform(rng, 0, tenTo(static_cast<int>(uniform(rng, 0, 14)))) * 10000;
    if (kind < 55) return uniform(rng, 0, tenTo(static_cast<int>(uniform(rng, 1, 18))));
    if (kind < 65) return uniform(rng, 0, kMaxCount);
    if (kind < 75) {
        const std::int64_t units = uniform(rng, 0, tenTo(static_cast<int>(uniform(rng, 0, 9))));
        constexpr std::array<std::int64_t, 8> kTails{5000, 2500, 7500, 50, 5, 9950, 9995, 9999};
        return units * 10000 + kTails[static_cast<std::size_t>(uniform(rng, 0, 7))];
    }
    if (kind < 85) {
        const int shift = static_cast<int>(uniform(rng, 0, 40));
        return uniform(rng, 0, (std::int64_t{1} << (62 - shift)) / 1000) << shift;
    }
    // Close to the limit of a random field, seen from the active one.
    const int target = static_cast<int>(uniform(rng, 0, kFieldCount - 1));
    const long double edge = 922300002074624.0L * 10000.0L *
                             static_cast<long double>(unitFactor[target]) /
                             static_cast<long double>(unitFactor[active]);
    if (edge > static_cast<long double>(kMaxCount)) return uniform(rng, 0, kMaxCount);
    const std::int64_t spread = std::int64_t{1} << uniform(rng, 0, 40);
    const std::int64_t count = static_cast<std::int64_t>(edge) + uniform(rng, -spread, spread);
    return count < 0 ? 0 : count;
}

int drawDigits(std::mt19937_64& rng) {
    if (uniform(rng, 0, 9) > 0) return static_cast<int>(uniform(rng, 0, 3));
    return std::array<int, 5>{-1, 4, 7, 13, 20}[uniform(rng, 0, 4)];
}

int drawMode(std::mt19937_64& rng) {
    if (uniform(rng, 0, 19) > 0) return static_cast<int>(uniform(rng, 0, 2));
    return uniform(rng, 0, 1) == 0 ? 5 : -1;
}

TEST(FieldDisplayProperty, MatchesDigitStringArithmetic) {
    // Every case checks all nine fields: 900 000 field checks in all.
    constexpr int kCases = 100'000;
    constexpr int kMaxFailures = 5;
    std::mt19937_64 rng(0x5EED'7E1A'0001ULL);
    int failures = 0;
    int overflowed = 0, blank = 0, above = 0, below = 0, equal = 0;

    for (int n = 0; n < kCases && failures < kMaxFailures; ++n) {
        CalcState state;
        state.activeField = static_cast<std::int16_t>(uniform(rng, 0, kFieldCount - 1));
        state.entryValue = Quantity::fromCount(drawCount(rng, state.activeField));
        state.digits = static_cast<std::int16_t>(drawDigits(rng));
        state.rndMode = static_cast<std::int16_t>(drawMode(rng));
        const Marks marks = kMarks[static_cast<std::size_t>(uniform(rng, 0, kMarks.size() - 1))];
        state.decMark = marks.decMark;
        state.thsSep = marks.thsSep;

        const FieldTexts actual = DisplayFields(state);
        for (int field = 0; field < kFieldCount && failures < kMaxFailures; ++field) {
            const ExpectedField want =
                testing::expectedField(state.entryValue.count(), state.activeField, field,
                                       state.digits, state.rndMode, marks.decMark, marks.thsSep);
            const FieldText& got = actual[static_cast<std::size_t>(field)];
            overflowed += want.number == kOverflowText;
            blank += !want.shown && want.number.empty();
            above += want.sign == u"t";
            below += want.sign == u"u";
            equal += want.shown && want.sign.empty();
            if (got.number == want.number && got.decimals == want.decimals &&
                got.sign == want.sign && got.shown == want.shown) {
                continue;
            }
            ++failures;
            ADD_FAILURE() << "case " << n << ": count " << state.entryValue.count()
                          << ", activeField " << state.activeField << ", field " << field
                          << ", digits " << state.digits << ", rndMode " << state.rndMode
                          << ", decMark " << printable(marks.decMark) << ", thsSep "
                          << printable(marks.thsSep) << "\n  got      " << printable(got.number)
                          << ' ' << printable(got.decimals) << ' ' << printable(got.sign) << ' '
                          << got.shown << "\n  expected " << printable(want.number) << ' '
                          << printable(want.decimals) << ' ' << printable(want.sign) << ' '
                          << want.shown;
        }
    }

    // The draw must have reached every kind of outcome to prove anything.
    EXPECT_GT(overflowed, 100);
    EXPECT_GT(blank, 100);
    EXPECT_GT(above, 100);
    EXPECT_GT(below, 100);
    EXPECT_GT(equal, 100);
}

}  // namespace
}  // namespace velmor
