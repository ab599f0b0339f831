#pragma once

#include <compare>
#include <cstdint>

namespace velmor {

// An amount in the unit of some field, held as a whole count of
// ten-thousandths so that every value Velmor parses or shows is exact.
// Negative counts are never amounts: the parser returns them as error codes
// (kTooLarge, kMalformed), and every consumer treats a negative value as
// "no number".
class Quantity {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr Quantity() = default;
    static constexpr Quantity fromCount(std::int64_t count) { return Quantity(count); }
    static constexpr Quantity fromUnits(std::int64_t units) { return Quantity(units * kScale); }

    constexpr std::int64_t count() const { return count_; }
    constexpr bool isError() const { return count_ < 0; }
    double toDouble() const { return static_cast<double>(count_) / kScale; }

    // Truncates toward zero; the result is still a count of ten-thousandths.
    constexpr Quantity integerPart() const { return Quantity(count_ / kScale * kScale); }
    // What integerPart() leaves over: |fraction| < 1, with the sign of the value.
    constexpr Quantity fraction() const { return Quantity(count_ % kScale); }
    constexpr std::int64_t wholeUnits() const { return count_ / kScale; }

    friend constexpr Quantity operator+(Quantity a, Quantity b) {
        return Quantity(a.count_ + b.count_);
    }
    friend constexpr Quantity operator-(Quantity a, Quantity b) {
        return Quantity(a.count_ - b.count_);
    }
    friend constexpr auto operator<=>(Quantity, Quantity) = default;

private:
    explicit constexpr Quantity(std::int64_t count) : count_(count) {}

    std::int64_t count_ = 0;
};

// The single-precision value nearest to 9.223e14, the bound of what Velmor
// enters and shows: an entry whose size, or a converted value, rounded to
// single precision reaches it is too large (922299968520192 is the largest
// whole number below it). It keeps every count of ten-thousandths in range.
inline constexpr float kQuantityLimit = 922300002074624.0f;

// Parser results that are not amounts.
inline constexpr Quantity kTooLarge = Quantity::fromUnits(-2);
inline constexpr Quantity kMalformed = Quantity::fromUnits(-3);

}  // namespace velmor
