#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// The maker's web address: the settings file's title and the About box's link.
inline constexpr std::u16string_view kMakerWebAddress = u"https://velmor.example";

// What config.ini keeps from one run to the next.
struct Settings {
    std::int32_t left = 0;  // the main window's outer left edge, in twips
    std::int32_t top = 0;
    std::u16string decMark;
    std::u16string thsSep;
    std::int16_t rndMode = 1;
    std::int16_t digits = 1;
    std::u16string entryText;
    std::int16_t field = 0;
};

// The six lines of config.ini, each ended by CR LF:
//   Velmor (https://velmor.example)
//   left,top            (twips, single-precision numbers in plain decimals)
//   "decMark"
//   "thsSep"
//   rndMode,digits
//   "entry text",field
std::u16string formatSettings(const Settings& settings);

// Whether a decimal mark or thousand separator keeps numbers readable: not
// empty, and no digit, control character, invisible or direction-steering
// character, or half of a character (a lone surrogate) in it. The settings
// reader and the options dialog's typed marks take exactly these.
bool isUsableMark(std::u16string_view mark);

// What a settings text holds. A value that is missing, does not parse, does
// not fit its type, or is unusable (a field index outside 0..8, a mark that
// isUsableMark refuses, an entry holding a control character or longer than
// the entry box once trimmed) is left empty, so that the caller keeps its
// default.
struct ReadSettings {
    std::optional<std::int32_t> left{};
    std::optional<std::int32_t> top{};
    std::optional<std::u16string> decMark{};
    std::optional<std::u16string> thsSep{};
    std::optional<std::int16_t> rndMode{};
    std::optional<std::int16_t> digits{};
    std::optional<std::u16string> entryText{};
    std::optional<std::int16_t> field{};
};

// Reads the text line by line (CR LF, LF or a lone CR). A field ends at a comma or at
// the end of its line, and a line's fields beyond those it needs are
// ignored. A quoted text runs to the last double quote of its line, so every
// text the writer makes reads back as written.
ReadSettings parseSettings(std::u16string_view text);

}  // namespace velmor
