#include "shell/settings_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "engine/unit_table.h"
#include "input/number_text.h"

namespace velmor {
namespace {

constexpr std::u16string_view kLineEnd = u"\r\n";
constexpr char16_t kByteOrderMark = 0xFEFF;

std::u16string widen(std::string_view ascii) {
    return {ascii.begin(), ascii.end()};
}

// A position as a single-precision number in plain decimal digits, never
// in exponent form: whole numbers without a point.
std::u16string formatSingle(std::int32_t value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                   static_cast<float>(value), std::chars_format::fixed)
                         .ptr;
    return widen(std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data())));
}

std::u16string inQuotes(std::u16string_view text) {
    return u"\"" + std::u16string(text) + u"\"";
}

// A line ends at CR LF, at LF, or at a lone CR (as older Mac editors save).
std::vector<std::u16string_view> splitLines(std::u16string_view text) {
    if (!text.empty() && text.front() == kByteOrderMark) text.remove_prefix(1);
    std::vector<std::u16string_view> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of(u"\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::u16string_view::npos) break;
        const bool crLf = text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n';
        text.remove_prefix(end + (crLf ? 2 : 1));
    }
    return lines;
}

// A decimal number (optional minus, fraction, exponent) rounded to the
// nearest whole number, halves to even; nullopt when it does not parse or
// fit in T.
template <typename T>
std::optional<T> readInteger(std::u16string_view field) {
    field = trimSpaces(field);
    std::string ascii;
    for (const char16_t c : field) {
        if (c > 0x7F) return std::nullopt;
        ascii += static_cast<char>(c);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (ascii.empty() || error != std::errc() || end != ascii.data() + ascii.size()) {
        return std::nullopt;
    }
    value = std::nearbyint(value);
    if (!(value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max())) {
        return std::nullopt;
    }
    return static_cast<T>(value);
}

// A field runs to the next comma or to the end of its line. Returns the
// field and what follows its comma.
std::pair<std::u16string_view, std::u16string_view> nextField(std::u16string_view line) {
    const auto comma = line.find(u',');
    if (comma == std::u16string_view::npos) return {line, {}};
    return {line.substr(0, comma), line.substr(comma + 1)};
}

// The first text field of a line and what follows it. A quoted field runs to
// the last double quote of the line, and whatever stands between that quote
// and the next comma is ignored; an unquoted one runs to the first comma.
std::pair<std::u16string_view, std::u16string_view> readText(std::u16string_view line) {
    line = line.substr(std::min(line.find_first_not_of(u' '), line.size()));
    if (!line.empty() && line.front() == u'"') {
        const auto close = line.find_last_of(u'"');
        if (close == 0) return {line.substr(1), {}};
        return {line.substr(1, close - 1), nextField(line.substr(close + 1)).second};
    }
    const auto [field, rest] = nextField(line);
    return {trimSpaces(field), rest};
}

// The first two fields of a line as numbers; further fields are ignored.
template <typename T>
std::pair<std::optional<T>, std::optional<T>> readPair(std::u16string_view line) {
    const auto [first, rest] = nextField(line);
    return {readInteger<T>(first), readInteger<T>(nextField(rest).first)};
}

// C0 controls, DEL and C1 controls.
bool isControl(char16_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

// Characters that show nothing or steer the writing direction (Unicode's
// format characters and the line and paragraph separators), and the two
// codes that are no characters at all: a mark made of them cannot be seen.
bool isInvisible(char16_t c) {
    return c == 0x00AD || c == 0x061C || c == 0x180E || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF ||
           (c >= 0xFFF9 && c <= 0xFFFB) || c == 0xFFFE || c == 0xFFFF;
}

std::optional<std::u16string> usableMark(std::u16string_view mark) {
    return isUsableMark(mark) ? std::optional(std::u16string(mark)) : std::nullopt;
}

// An entry that the entry box could not hold is not taken: one with a
// control character, or longer than the box once its surrounding spaces are
// removed. Any other text is taken as it stands, whether it parses or not.
std::optional<std::u16string> usableEntry(std::u16string_view entry) {
    if (trimSpaces(entry).size() > static_cast<std::size_t>(kEntryLength)) return std::nullopt;
    for (const char16_t c : entry) {
        if (isControl(c)) return std::nullopt;
    }
    return std::u16string(entry);
}

}  // namespace

bool isUsableMark(std::u16string_view mark) {
    if (mark.empty()) return false;
    for (std::size_t i = 0; i < mark.size(); ++i) {
        const char16_t c = mark[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && i + 1 < mark.size() && mark[i + 1] >= 0xDC00 && mark[i + 1] <= 0xDFFF) {
            ++i;  // a whole character beyond the first 65536
            continue;
        }
        if ((c >= u'0' && c <= u'9') || isControl(c) || isInvisible(c) || high || low) {
            return false;
        }
    }
    return true;
}

std::u16string formatSettings(const Settings& settings) {
    std::u16string text = u"Velmor (" + std::u16string(kMakerWebAddress) + u")";
    text += kLineEnd;
    text += formatSingle(settings.left) + u"," + formatSingle(settings.top);
    text += kLineEnd;
    text += inQuotes(settings.decMark);
    text += kLineEnd;
    text += inQuotes(settings.thsSep);
    text += kLineEnd;
    text += widen(std::to_string(settings.rndMode)) + u"," + widen(std::to_string(settings.digits));
    text += kLineEnd;
    text += inQuotes(settings.entryText) + u"," + widen(std::to_string(settings.field));
    text += kLineEnd;
    return text;
}

ReadSettings parseSettings(std::u16string_view text) {
    const std::vector<std::u16string_view> lines = splitLines(text);
    const auto line = [&](std::size_t number) {
        return number <= lines.size() ? std::optional(lines[number - 1]) : std::nullopt;
    };

    ReadSettings read;  // line 1, the title, is skipped whatever it holds
    if (const auto position = line(2))
        std::tie(read.left, read.top) = readPair<std::int32_t>(*position);
    if (const auto mark = line(3)) read.decMark = usableMark(readText(*mark).first);
    if (const auto mark = line(4)) read.thsSep = usableMark(readText(*mark).first);
    if (const auto rounding = line(5)) {
        std::tie(read.rndMode, read.digits) = readPair<std::int16_t>(*rounding);
    }
    if (const auto entry = line(6)) {
        const auto [entryText, rest] = readText(*entry);
        read.entryText = usableEntry(entryText);
        read.field = readInteger<std::int16_t>(nextField(rest).first);
        if (read.field && !isFieldIndex(*read.field)) read.field.reset();
    }
    return read;
}

}  // namespace velmor
