// Feeds arbitrary text to the entry parser and checks what every caller
// relies on: the result is an amount inside the entry limit or one of the
// two error codes, and an amount written as clipboard text reads back as
// itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "input/number_text.h"

namespace {

struct MarkSet {
    std::u16string_view decMark;
    std::u16string_view thsSep;
    char16_t sysDecMark;
};

constexpr MarkSet kMarkSets[] = {
    {u".", u",", u'.'}, {u",", u".", u','},  {u",", u"\u00A0", u','}, {u".", u"", u'.'},
    {u"'", u"x", u'.'}, {u".:", u",", u'.'}, {u".", u".", u','},      {u"", u",", u'.'},
};

void check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const MarkSet& marks = kMarkSets[data[0] % std::size(kMarkSets)];
    std::u16string text;
    for (std::size_t i = 1; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }

    const velmor::Quantity value =
        velmor::CalcTextVal(text, marks.decMark, marks.thsSep, marks.sysDecMark);
    if (value.isError()) {
        check(value == velmor::kTooLarge || value == velmor::kMalformed);
        return 0;
    }
    check(value < velmor::Quantity::fromUnits(922300002074624));
    // With a system mark other than the period only the whole part is
    // measured, so a fraction rounded up can carry one past the largest whole
    // number; such a value's own text no longer passes the size test.
    if (value.wholeUnits() > 922299968520192) return 0;
    const std::u16string plain = velmor::plainValueText(value, marks.sysDecMark);
    const std::u16string_view sysMark(&marks.sysDecMark, 1);
    check(velmor::CalcTextVal(plain, sysMark, u"", marks.sysDecMark) == value);
    return 0;
}
