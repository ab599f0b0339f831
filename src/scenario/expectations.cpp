#include "scenario/expectations.h"

#include <map>
#include <utility>

#include "scenario/scenario_text.h"

namespace velmor::scenario {
namespace {

using Words = std::vector<std::string>;

// The words of a snapshot line or expectation before its first KEY=VALUE.
std::pair<std::string, std::size_t> tagOf(const Words& words, std::size_t from) {
    std::string tag;
    std::size_t i = from;
    for (; i < words.size() && words[i].find('=') == std::string::npos; ++i) {
        tag += (tag.empty() ? "" : " ") + words[i];
    }
    return {tag, i};
}

// A value as the snapshot writes it, whatever escapes the scenario used.
std::string canonical(const std::string& value) {
    if (value.empty() || value.front() != '"') return value;
    const auto text = unquote(value);
    return text ? quote(*text) : value;
}

std::map<std::string, std::string> pairsOf(const Words& lineWords) {
    std::map<std::string, std::string> values;
    for (const std::string& pair : lineWords) {
        const auto equals = pair.find('=');
        if (equals != std::string::npos) values[pair.substr(0, equals)] = pair.substr(equals + 1);
    }
    return values;
}

}  // namespace

std::optional<std::string> unmetExpectation(const Words& words, const Words& snapshot) {
    const auto [tag, firstPair] = tagOf(words, 1);
    std::optional<std::string> tagged;
    for (const std::string& line : snapshot) {
        const Words lineWords = splitWords(line).value_or(Words{});
        if (tagOf(lineWords, 0).first != tag) continue;
        tagged = line;
        const std::map<std::string, std::string> values = pairsOf(lineWords);
        bool holds = true;
        for (std::size_t i = firstPair; i < words.size() && holds; ++i) {
            const auto equals = words[i].find('=');
            const auto it = values.find(words[i].substr(0, equals));
            holds = equals != std::string::npos && it != values.end() &&
                    it->second == canonical(words[i].substr(equals + 1));
        }
        if (holds) return std::nullopt;
    }
    std::string expectation;
    for (std::size_t i = 1; i < words.size(); ++i)
        expectation += (i > 1 ? " " : "") + words[i];
    return "expected " + expectation + "\n  " +
           (tagged ? "snapshot: " + *tagged : "snapshot has no line tagged \"" + tag + "\"");
}

}  // namespace velmor::scenario
