#include "scenario/key_names.h"

#include <charconv>
#include <map>

namespace velmor::scenario {
namespace {

std::optional<Key> namedKey(std::string_view name, int modifiers) {
    static const std::map<std::string_view, Key> kNamed{
        {"Tab", {kKeyTab, 0, kKeyTab}},
        {"Enter", {kKeyEnter, 0, kKeyEnter}},
        {"Esc", {kKeyEscape, 0, kKeyEscape}},
        {"Backspace", {kKeyBackspace, 0, kKeyBackspace}},
        {"Delete", {kKeyDelete, 0, 0}},
        {"Home", {kKeyHome, 0, 0}},
        {"End", {kKeyEnd, 0, 0}},
        {"Left", {kKeyLeft, 0, 0}},
        {"Up", {kKeyUp, 0, 0}},
        {"Right", {kKeyRight, 0, 0}},
        {"Down", {kKeyDown, 0, 0}}};
    if (const auto it = kNamed.find(name); it != kNamed.end()) {
        return Key{it->second.code, modifiers, it->second.character};
    }
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') {
        const bool shift = (modifiers & kShiftBit) != 0;
        return Key{name[0], modifiers,
                   static_cast<char16_t>(shift ? name[0] : name[0] - 'A' + 'a')};
    }
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
        return Key{name[0], modifiers, static_cast<char16_t>(name[0])};
    }
    if (name.size() >= 2 && name[0] == 'F') {
        int n = 0;
        const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), n);
        if (error == std::errc() && end == name.data() + name.size() && n >= 1 &&
            n <= kKeyF12 - kKeyF1 + 1) {
            return Key{kKeyF1 - 1 + n, modifiers, 0};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> modifierNamed(std::string_view name) {
    if (name == "Ctrl") return kCtrlBit;
    if (name == "Shift") return kShiftBit;
    if (name == "Alt") return kAltBit;
    return std::nullopt;
}

std::optional<Key> keyChord(std::string_view chord) {
    int modifiers = 0;
    std::string_view rest = chord;
    for (auto plus = rest.find('+'); plus != std::string_view::npos && plus + 1 < rest.size();
         plus = rest.find('+')) {
        const auto modifier = modifierNamed(rest.substr(0, plus));
        if (!modifier) return std::nullopt;
        modifiers |= *modifier;
        rest.remove_prefix(plus + 1);
    }
    return namedKey(rest, modifiers);
}

}  // namespace velmor::scenario
