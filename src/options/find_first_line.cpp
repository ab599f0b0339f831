#include "options/find_first_line.h"

#include "input/number_text.h"

namespace velmor {

int FindFirstLine(ComboBox& list, std::u16string_view text, int start, int flags) {
    if (text.empty()) return list.listIndex();
    const auto prepared = [flags](std::u16string_view t) {
        return (flags & ffTrim) != 0 ? trimSpaces(t) : t;
    };
    const std::u16string_view key = prepared(text);
    int result = -1;
    for (int i = start < 0 ? 0 : start; i < list.listCount(); ++i) {
        if (prepared(list.list(i)) == key) {
            result = i;
            break;
        }
    }
    if ((flags & ffSelect) != 0) list.setListIndex(result);
    return result;
}

}  // namespace velmor
