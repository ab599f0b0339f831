#include "scenario/scenario_text.h"

#include <cstdio>

#include "shell/text_encoding.h"

namespace velmor::scenario {

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
    std::string plain;  // UTF-8 bytes since the last escape
    for (std::size_t i = 0; i < body.size(); ++i) {
        if (body[i] == '"') return std::nullopt;
        if (body[i] != '\\') {
            plain += body[i];
            continue;
        }
        text += decodeUtf8(plain);
        plain.clear();
        if (i + 1 >= body.size()) return std::nullopt;
        const char escaped = body[++i];
        if (escaped == '"' || escaped == '\\') {
            text += static_cast<char16_t>(escaped);
            continue;
        }
        if (escaped != 'u' || i + 4 >= body.size()) return std::nullopt;
        unsigned code = 0;
        for (int k = 0; k < 4; ++k) {
            const char h = body[++i];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0) return std::nullopt;
            code = code * 16 + static_cast<unsigned>(digit);
        }
        text += static_cast<char16_t>(code);
    }
    return text + decodeUtf8(plain);
}

}  // namespace velmor::scenario
