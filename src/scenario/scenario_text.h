#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmor::scenario {

// A text as scenario files and snapshots write it: in double quotes, with
// \" \\ and \uXXXX for every code unit outside printable ASCII.
std::string quote(std::u16string_view text);

// Splits a line into words at spaces; a double-quoted part (which may hold
// spaces) stays inside its word. Returns nullopt for an unterminated quote.
std::optional<std::vector<std::string>> splitWords(std::string_view line);

// Decodes a word that is one quoted text; nullopt when it is not one.
std::optional<std::u16string> unquote(std::string_view word);

}  // namespace velmor::scenario
