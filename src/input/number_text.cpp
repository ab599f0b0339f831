#include "input/number_text.h"

#include <charconv>
#include <cstdint>
#include <string>

namespace velmor {
namespace {

constexpr std::size_t kSignificantLength = 50;

// Entries whose size, read as a plain decimal number, reaches kQuantityLimit
// are too large. Reads digits like a plain decimal reader that knows only the period: with
// any other system mark the reading stops at the mark, so only the whole part
// is measured.
bool withinEntryLimit(std::string_view digits, bool systemMarkIsPeriod) {
    if (!systemMarkIsPeriod) digits = digits.substr(0, digits.find('.'));
    double size = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), size);  // "" and "." stay 0
    // Fifty digits can exceed single precision's range; such sizes are too large anyway.
    return size < 1e30 && static_cast<float>(size) < kQuantityLimit;
}

// digits: ASCII digits with at most one '.', already within the entry limit.
Quantity readQuantity(std::string_view digits) {
    const auto point = digits.find('.');
    std::int64_t count = 0;
    for (const char digit : digits.substr(0, point))
        count = count * 10 + (digit - '0');

    const std::string_view decimals =
        point == std::string_view::npos ? std::string_view{} : digits.substr(point + 1);
    for (std::size_t i = 0; i < 4; ++i)
        count = count * 10 + (i < decimals.size() ? decimals[i] - '0' : 0);
    if (decimals.size() > 4 && decimals[4] >= '5') ++count;
    return Quantity::fromCount(count);
}

}  // namespace

std::u16string_view trimSpaces(std::u16string_view text) {
    const auto first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(u' ') - first + 1);
}

std::u16string GetSysSeps(const Platform& platform) {
    // A mark of several characters is represented by its last one, the one
    // that stands next to the digits.
    const RegionalMarks marks = platform.regionalMarks();
    std::u16string seps(1, marks.decimalMark.empty() ? u'.' : marks.decimalMark.back());
    if (!marks.groupSeparator.empty()) seps += marks.groupSeparator.back();
    return seps;
}

std::pair<std::u16string, std::u16string> systemMarks(const Platform& platform) {
    const std::u16string seps = GetSysSeps(platform);
    return {seps.substr(0, 1), seps.substr(1)};
}

Quantity CalcTextVal(std::u16string_view fd, std::u16string_view decMark,
                     std::u16string_view thsSep, char16_t sysDecMark) {
    const std::u16string_view text = trimSpaces(fd).substr(0, kSignificantLength);

    // Table positions 0..9 are the digits, 10 the decimal mark, 11 the
    // separator. A mark of two characters puts its second at 11, so that
    // character is skipped and the separator itself becomes malformed.
    std::u16string table = u"0123456789";
    table.append(decMark).append(thsSep);

    std::string digits;
    int marks = 0;
    for (const char16_t c : text) {
        const auto position = table.find(c);
        if (position < 10) {
            digits += static_cast<char>('0' + position);
        } else if (position == 10) {
            digits += '.';
            ++marks;
        } else if (position != 11) {
            return kMalformed;
        }
    }
    if (marks > 1) return kMalformed;
    if (!withinEntryLimit(digits, sysDecMark == u'.')) return kTooLarge;
    return readQuantity(digits);
}

std::u16string fractionDigits(Quantity value) {
    std::int64_t fraction = value.count() % Quantity::kScale;
    if (fraction < 0) fraction = -fraction;
    if (fraction == 0) return {};
    int places = 4;
    for (; fraction % 10 == 0; fraction /= 10)
        --places;
    std::u16string digits(static_cast<std::size_t>(places), u'0');
    for (auto digit = digits.rbegin(); fraction > 0; ++digit, fraction /= 10) {
        *digit = static_cast<char16_t>(u'0' + fraction % 10);
    }
    return digits;
}

std::u16string decimalAliases(std::u16string_view decMark, std::u16string_view thsSep) {
    const auto isAlias = [](std::u16string_view mark) { return mark == u"." || mark == u","; };
    return isAlias(decMark) || isAlias(thsSep) ? u"" : u",.";
}

std::u16string plainValueText(Quantity value, char16_t sysDecMark) {
    const std::int64_t count = value.count() < 0 ? -value.count() : value.count();
    std::u16string text = value.isError() ? u"-" : u"";
    const std::string whole = std::to_string(count / Quantity::kScale);
    text.append(whole.begin(), whole.end());

    const std::u16string decimals = fractionDigits(value);
    if (!decimals.empty()) text += sysDecMark + decimals;
    return text;
}

}  // namespace velmor
