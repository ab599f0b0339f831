#include "exact_oracle.h"

#include <algorithm>
#include <utility>

namespace velmor::testing {
namespace {

// A non-negative decimal number as its digits, most significant first.
using Digits = std::string;

Digits stripZeros(const Digits& d) {
    const auto first = d.find_first_not_of('0');
    return first == Digits::npos ? Digits("0") : d.substr(first);
}

Digits padTo(const Digits& d, std::size_t width) {
    return d.size() >= width ? d : Digits(width - d.size(), '0') + d;
}

// Schoolbook multiplication by a factor below 2^41.
Digits times(const Digits& a, std::uint64_t m) {
    Digits out(a.size(), '0');
    std::uint64_t carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        carry += static_cast<std::uint64_t>(a[i] - '0') * m;
        out[i] = static_cast<char>('0' + carry % 10);
        carry /= 10;
    }
    for (; carry > 0; carry /= 10)
        out.insert(out.begin(), static_cast<char>('0' + carry % 10));
    return stripZeros(out);
}

Digits plusOne(Digits a) {
    std::size_t i = a.size();
    while (i > 0 && a[i - 1] == '9')
        a[--i] = '0';
    if (i == 0) {
        a.insert(a.begin(), '1');
    } else {
        ++a[i - 1];
    }
    return a;
}

int compare(const Digits& a, const Digits& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

// Long division, one quotient digit at a time; the divisor stays below 2^41.
std::pair<Digits, std::uint64_t> divide(const Digits& a, std::uint64_t divisor) {
    Digits quotient;
    std::uint64_t rest = 0;
    for (char c : a) {
        rest = rest * 10 + static_cast<std::uint64_t>(c - '0');
        quotient += static_cast<char>('0' + rest / divisor);
        rest %= divisor;
    }
    return {stripZeros(quotient), rest};
}

// Fields 1..4 step by 1000, fields 5..8 by 1024.
unsigned stepOf(int field) {
    return field <= 4 ? 1000 : 1024;
}
int powerOf(int field) {
    return field <= 4 ? field : field - 4;
}

std::uint64_t bytesPerUnit(int field) {
    std::uint64_t bytes = 1;
    for (int i = 0; i < powerOf(field); ++i)
        bytes *= stepOf(field);
    return bytes;
}

std::u16string widen(const Digits& d) {
    return std::u16string(d.begin(), d.end());
}

std::u16string grouped(const Digits& whole, std::u16string_view thsSep) {
    std::u16string out;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) out += thsSep;
        out += static_cast<char16_t>(whole[i]);
    }
    return out;
}

}  // namespace

ExpectedField expectedField(std::int64_t count, int activeField, int field, int digits, int rndMode,
                            std::u16string_view decMark, std::u16string_view thsSep) {
    if (count < 0) return {};
    const double ratio =
        static_cast<double>(bytesPerUnit(activeField)) / static_cast<double>(bytesPerUnit(field));
    const float p = static_cast<float>(static_cast<double>(count) / 10000.0 * ratio);
    if (!(p < 922300002074624.0f)) return {u"= = = = = ", u"", u"", false};

    // The exact value in ten-thousandths of the field's unit, ties to even.
    const Digits bytes = times(std::to_string(count), bytesPerUnit(activeField));
    const std::uint64_t divisor = bytesPerUnit(field);
    auto [exact, rest] = divide(bytes, divisor);
    if (2 * rest > divisor || (2 * rest == divisor && (exact.back() - '0') % 2 == 1)) {
        exact = plusOne(exact);
    }

    // Round the four decimals to n places on the digit string.
    const Digits padded = padTo(exact, 5);
    const int n = field == 0 ? 0 : std::max(digits, 0);
    Digits shown = padded;
    if (n < 4 && rndMode >= 0 && rndMode <= 2) {
        const std::size_t cut = padded.size() - 4 + static_cast<std::size_t>(n);
        Digits kept = padded.substr(0, cut);
        const Digits dropped = padded.substr(cut);
        const bool inexact = dropped.find_first_not_of('0') != Digits::npos;
        const bool up = rndMode == 0 ? inexact : rndMode == 1 ? dropped[0] >= '5' : false;
        if (up) kept = plusOne(kept);
        shown = padTo(kept + Digits(dropped.size(), '0'), 5);
    }

    ExpectedField out;
    const int order = compare(stripZeros(shown), stripZeros(exact));
    out.sign = order > 0 ? u"t" : order < 0 ? u"u" : u"";
    out.number = grouped(stripZeros(shown.substr(0, shown.size() - 4)), thsSep);
    const int nd = std::min(digits, 13);
    if (nd > 0) {
        Digits decimals = shown.substr(shown.size() - 4) + Digits(9, '0');
        out.decimals = std::u16string(decMark) + widen(decimals.substr(0, nd));
    }
    out.shown = true;
    return out;
}

}  // namespace velmor::testing
