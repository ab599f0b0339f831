#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// The encodings Velmor meets at the edge of the process: the settings file
// (Windows-1252 when every character fits, else UTF-8; UTF-16 read as other
// editors save it) and scenario files.
enum class Encoding { Ascii, Windows1252, Utf8, Utf16Le, Utf16Be };

// nullopt when some character has no Windows-1252 byte.
std::optional<std::string> encodeWindows1252(std::u16string_view text);
std::u16string decodeWindows1252(std::string_view bytes);

// A lone surrogate is written as U+FFFD.
std::string encodeUtf8(std::u16string_view text);
// Each invalid sequence reads as U+FFFD.
std::u16string decodeUtf8(std::string_view bytes);

// UTF-16 when the bytes begin with its byte order mark (FF FE little end
// first, FE FF big end first); otherwise Ascii when no byte is above 0x7F,
// Utf8 when the bytes are valid UTF-8, and Windows1252 for anything else.
Encoding detectEncoding(std::string_view bytes);

// How many bytes at the end make an incomplete UTF-8 character: a lead byte
// and the continuation bytes after it, as long as more bytes could still make
// them a valid character. 0 when the bytes end on a whole character or on a
// sequence that no further bytes would make valid.
std::size_t cutCharacterLength(std::string_view bytes);

// Decodes bytes in the encoding detectEncoding finds; UTF-16's byte order
// mark is kept, as UTF-8's is, and a lone surrogate reads as U+FFFD. When
// `cutShort`, the bytes are only the start of a longer text (a file read up
// to a limit): a character that their end cuts is dropped (for UTF-8 before
// the encoding is judged, so it is judged on whole characters).
std::u16string decodeText(std::string_view bytes, bool cutShort = false);

}  // namespace velmor
