// Feeds arbitrary bytes to the settings reader as a config.ini would reach
// it, and checks that what it keeps is usable, that writing it out again
// reads back as written, and that a cut UTF-8 or UTF-16 file keeps its
// encoding.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/unit_table.h"
#include "shell/settings_text.h"
#include "shell/text_encoding.h"

namespace {

void check(bool condition) {
    if (!condition) std::abort();
}

bool usableMark(const std::optional<std::u16string>& mark) {
    if (!mark) return true;
    if (mark->empty()) return false;
    for (const char16_t c : *mark) {
        if ((c >= u'0' && c <= u'9') || c < 0x20 || (c >= 0x7F && c <= 0x9F)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmor;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::u16string text = decodeText(bytes);
    const ReadSettings read = parseSettings(text);
    check(!read.field || isFieldIndex(*read.field));
    check(usableMark(read.decMark) && usableMark(read.thsSep));

    // Positions travel as single-precision numbers, written in their
    // shortest form: what is read back is the same single-precision value.
    const auto sameSingle = [](std::optional<std::int32_t> read, std::int32_t written) {
        return read && static_cast<float>(*read) == static_cast<float>(written);
    };
    const Settings kept{read.left.value_or(0),         read.top.value_or(0),
                        read.decMark.value_or(u"."),   read.thsSep.value_or(u","),
                        read.rndMode.value_or(1),      read.digits.value_or(1),
                        read.entryText.value_or(u"0"), read.field.value_or(0)};
    const ReadSettings again = parseSettings(formatSettings(kept));
    check(sameSingle(again.left, kept.left) && sameSingle(again.top, kept.top));
    check(again.decMark == kept.decMark && again.thsSep == kept.thsSep);
    check(again.rndMode == kept.rndMode && again.digits == kept.digits);
    check(again.entryText == kept.entryText && again.field == kept.field);

    // A read limit that cuts UTF-8 or UTF-16 text anywhere keeps its
    // encoding: what is read is the text's start, less the character the cut
    // splits. (The limit lies far beyond UTF-16's byte order mark.)
    const Encoding encoding = detectEncoding(bytes);
    if (encoding != Encoding::Windows1252) {
        const bool utf16 = encoding == Encoding::Utf16Le || encoding == Encoding::Utf16Be;
        const std::size_t cut = std::max<std::size_t>(size / 2, utf16 ? 2 : 0);
        const std::u16string start = decodeText(bytes.substr(0, cut), true);
        check(text.starts_with(start));
    }
    return 0;
}
