#include "scenario/scenario_text.h"

#include <cstdint>
#include <cstdio>

namespace velmor::scenario {
namespace {

// Appends the UTF-16 form of one UTF-8 sequence starting at text[i];
// advances i past it. Invalid bytes stand for themselves.
void appendUtf8Char(std::string_view text, std::size_t& i, std::u16string& out) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra > 0 && i + static_cast<std::size_t>(extra) >= text.size()) extra = 0;
    std::uint32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k)
        code = (code << 6) | (byte(i + static_cast<std::size_t>(k)) & 0x3F);
    i += static_cast<std::size_t>(extra) + 1;
    if (code >= 0x10000) {
        code -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (code >> 10));
        out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
    } else {
        out += static_cast<char16_t>(code);
    }
}

}  // namespace

std::string quote(std::u16string_view text) {
    std::string quoted = "\"";
    for (const char16_t c : text) {
        if (c == u'"' || c == u'\\') {
            quoted += '\\';
            quoted += static_cast<char>(c);
        } else if (c >= 0x20 && c < 0x7F) {
            quoted += static_cast<char>(c);
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(c));
            quoted += escape;
        }
    }
    return quoted + '"';
}

std::optional<std::vector<std::string>> splitWords(std::string_view line) {
    std::vector<std::string> words;
    std::string word;
    bool inQuote = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (inQuote && c == '\\' && i + 1 < line.size()) {
            word += c;
            word += line[++i];
        } else if (c == '"') {
            inQuote = !inQuote;
            word += c;
        } else if (c == ' ' && !inQuote) {
            if (!word.empty()) words.push_back(std::move(word));
            word.clear();
        } else {
            word += c;
        }
    }
    if (inQuote) return std::nullopt;
    if (!word.empty()) words.push_back(std::move(word));
    return words;
}

std::optional<std::u16string> unquote(std::string_view word) {
    if (word.size() < 2 || word.front() != '"' || word.back() != '"') return std::nullopt;
    const std::string_view body = word.substr(1, word.size() - 2);
    std::u16string text;
    for (std::size_t i = 0; i < body.size();) {
        if (body[i] != '\\') {
            if (body[i] == '"') return std::nullopt;
            appendUtf8Char(body, i, text);
            continue;
        }
        if (i + 1 >= body.size()) return std::nullopt;
        const char escaped = body[i + 1];
        if (escaped == '"' || escaped == '\\') {
            text += static_cast<char16_t>(escaped);
            i += 2;
        } else if (escaped == 'u' && i + 6 <= body.size()) {
            unsigned code = 0;
            for (std::size_t k = i + 2; k < i + 6; ++k) {
                const char h = body[k];
                const int digit = h >= '0' && h <= '9'   ? h - '0'
                                  : h >= 'a' && h <= 'f' ? h - 'a' + 10
                                  : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                         : -1;
                if (digit < 0) return std::nullopt;
                code = code * 16 + static_cast<unsigned>(digit);
            }
            text += static_cast<char16_t>(code);
            i += 6;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

}  // namespace velmor::scenario
