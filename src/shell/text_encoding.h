#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// The encodings Velmor meets at the edge of the process: the settings file
// (Windows-1252 when every character fits, else UTF-8) and scenario files.
enum class Encoding { Ascii, Windows1252, Utf8 };

// nullopt when some character has no Windows-1252 byte.
std::optional<std::string> encodeWindows1252(std::u16string_view text);
std::u16string decodeWindows1252(std::string_view bytes);

// A lone surrogate is written as U+FFFD.
std::string encodeUtf8(std::u16string_view text);
// Each invalid sequence reads as U+FFFD.
std::u16string decodeUtf8(std::string_view bytes);

// Ascii when no byte is above 0x7F, Utf8 when the bytes are valid UTF-8,
// otherwise Windows1252.
Encoding detectEncoding(std::string_view bytes);

}  // namespace velmor
