#pragma once

#include <optional>
#include <string_view>

#include "input/key_codes.h"

namespace velmor::scenario {

// The modifier bit a scenario names `Ctrl`, `Shift` or `Alt`; nothing for
// any other word.
std::optional<int> modifierNamed(std::string_view name);

// A key as `key CHORD` names it, `[Ctrl+][Shift+][Alt+]NAME` on a US
// keyboard: its code, its modifiers and the character it types (a letter in
// lower case, or upper case with Shift). Nothing for an unknown name.
std::optional<Key> keyChord(std::string_view chord);

}  // namespace velmor::scenario
