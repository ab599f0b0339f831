#include "options/find_first_line.h"

#include <algorithm>
#include <string>

#include "input/number_text.h"

namespace velmor {
namespace {

std::u16string prepared(std::u16string_view text, int flags) {
    if ((flags & ffTrim) != 0) text = trimSpaces(text);
    std::u16string result(text);
    if ((flags & ffLower) != 0) {
        // Simple per-character lower-casing of ASCII and Latin-1 letters.
        for (char16_t& c : result) {
            if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) c += 32;
        }
    }
    return result;
}

bool matches(std::u16string_view entry, std::u16string_view key, int flags) {
    if ((flags & ffPartial) == 0) return entry == key;
    if ((flags & ffContains) != 0) return entry.find(key) != std::u16string_view::npos;
    return entry.starts_with(key);
}

}  // namespace

int FindFirstLine(ComboBox& list, std::u16string_view text, int start, int flags) {
    if (text.empty()) return list.listIndex();
    const std::u16string key = prepared(text, flags);
    const bool backward = (flags & ffBackward) != 0;
    const int step = backward ? -1 : 1;
    const int last = backward ? 0 : list.listCount() - 1;
    const int first = start >= 0 ? start : backward ? list.listCount() - 1 : 0;

    int result = -1;
    for (int i = first; backward ? i >= last : i <= last; i += step) {
        if (i >= list.listCount()) continue;  // past the end: nothing to read there
        if (matches(prepared(list.list(i), flags), key, flags)) {
            result = i;
            break;
        }
    }
    if ((flags & ffSelect) != 0) list.setListIndex(result);
    return result;
}

}  // namespace velmor
