#include "shell/text_encoding.h"

#include <array>
#include <cstdint>

namespace velmor {
namespace {

// Windows-1252's bytes 0x80..0x9F. The five bytes the code page leaves
// undefined map to the C1 controls of the same number, as Windows does.
constexpr std::array<char16_t, 32> kHighControls{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf16(char32_t code, std::u16string& out) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    }
}

// Decodes one UTF-8 sequence at bytes[i]; nullopt when it is not valid
// (overlong, surrogate, beyond U+10FFFF or cut short). Advances i on success.
std::optional<char32_t> nextUtf8(std::string_view bytes, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(bytes[k]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80) return bytes[i++];
    const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (extra < 0 || lead > 0xF4 || i + static_cast<std::size_t>(extra) >= bytes.size()) {
        return std::nullopt;
    }
    char32_t code = lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const std::uint8_t next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) return std::nullopt;
        code = (code << 6) | (next & 0x3F);
    }
    // The smallest code that needs 1, 2 or 3 bytes after the lead byte.
    constexpr std::array<char32_t, 3> kSmallest{0x80, 0x800, 0x10000};
    if (code < kSmallest[static_cast<std::size_t>(extra - 1)] || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    i += static_cast<std::size_t>(extra) + 1;
    return code;
}

// Whether `second` may follow `lead` in a valid UTF-8 sequence: the second
// byte is what rules out overlong forms, surrogates and codes beyond
// U+10FFFF.
bool validSecondByte(std::uint8_t lead, std::uint8_t second) {
    const std::uint8_t low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const std::uint8_t high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    return second >= low && second <= high;
}

bool isHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-16 code units; an odd last byte is dropped, a lone surrogate becomes
// U+FFFD, and when `cutShort` a high surrogate at the end, whose partner the
// cut took, is dropped.
std::u16string decodeUtf16(std::string_view bytes, bool bigEndian, bool cutShort) {
    std::u16string units;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto first = static_cast<std::uint8_t>(bytes[i]);
        const auto second = static_cast<std::uint8_t>(bytes[i + 1]);
        units += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
    }
    if (cutShort && !units.empty() && isHighSurrogate(units.back())) units.pop_back();
    for (std::size_t i = 0; i < units.size(); ++i) {
        const bool paired =
            isHighSurrogate(units[i]) && i + 1 < units.size() && isLowSurrogate(units[i + 1]);
        if (paired) {
            ++i;
        } else if (isHighSurrogate(units[i]) || isLowSurrogate(units[i])) {
            units[i] = static_cast<char16_t>(kReplacement);
        }
    }
    return units;
}

}  // namespace

std::optional<std::string> encodeWindows1252(std::u16string_view text) {
    std::string bytes;
    for (const char16_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes += static_cast<char>(c);
            continue;
        }
        std::size_t k = 0;
        while (k < kHighControls.size() && kHighControls[k] != c)
            ++k;
        if (k == kHighControls.size()) return std::nullopt;
        bytes += static_cast<char>(0x80 + k);
    }
    return bytes;
}

std::u16string decodeWindows1252(std::string_view bytes) {
    std::u16string text;
    for (const char b : bytes) {
        const auto byte = static_cast<std::uint8_t>(b);
        text += byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char16_t{byte};
    }
    return text;
}

std::string encodeUtf8(std::u16string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        if (code >= 0xD800 && code <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = kReplacement;
        }
        if (code < 0x80) {
            bytes += static_cast<char>(code);
        } else if (code < 0x800) {
            bytes += static_cast<char>(0xC0 | (code >> 6));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += static_cast<char>(0xE0 | (code >> 12));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (code >> 18));
            bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return bytes;
}

std::u16string decodeUtf8(std::string_view bytes) {
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        if (const auto code = nextUtf8(bytes, i)) {
            appendUtf16(*code, text);
        } else {
            appendUtf16(kReplacement, text);
            ++i;
        }
    }
    return text;
}

Encoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE")) return Encoding::Utf16Le;
    if (bytes.starts_with("\xFE\xFF")) return Encoding::Utf16Be;
    bool highBytes = false;
    for (std::size_t i = 0; i < bytes.size();) {
        highBytes = highBytes || static_cast<std::uint8_t>(bytes[i]) >= 0x80;
        if (!nextUtf8(bytes, i)) return Encoding::Windows1252;
    }
    return highBytes ? Encoding::Utf8 : Encoding::Ascii;
}

std::size_t cutCharacterLength(std::string_view bytes) {
    const auto byte = [&](std::size_t back) {
        return static_cast<std::uint8_t>(bytes[bytes.size() - back]);
    };
    for (std::size_t back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const std::uint8_t lead = byte(back);
        if ((lead & 0xC0) == 0x80) continue;  // a continuation byte
        const std::size_t length = lead > 0xF4    ? 0
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC2 ? 2
                                                  : 0;
        if (back >= length) return 0;
        if (back >= 2 && !validSecondByte(lead, byte(back - 1))) return 0;
        return back;
    }
    return 0;
}

std::u16string decodeText(std::string_view bytes, bool cutShort) {
    const Encoding encoding = detectEncoding(bytes);
    if (encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be) {
        return decodeUtf16(bytes, encoding == Encoding::Utf16Be, cutShort);
    }
    if (cutShort) bytes.remove_suffix(cutCharacterLength(bytes));
    return detectEncoding(bytes) == Encoding::Windows1252 ? decodeWindows1252(bytes)
                                                          : decodeUtf8(bytes);
}

}  // namespace velmor
