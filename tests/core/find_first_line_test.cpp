#include "options/find_first_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmor {
namespace {

struct FindCase {
    const char* what;
    std::vector<std::u16string> entries;
    int selected;  // before the search
    std::u16string text;
    int start;
    int flags;
    int found;
    int selectedAfter;
};

void PrintTo(const FindCase& c, std::ostream* os) {
    *os << c.what;
}

class FindFirstLineTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindFirstLineTest, FindsTheFirstMatchingEntry) {
    const FindCase& c = GetParam();
    ComboBox list({}, c.entries, u"");
    list.setListIndex(c.selected);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    EXPECT_EQ(FindFirstLine(list, c.text, c.start, c.flags), c.found);
    EXPECT_EQ(list.listIndex(), c.selectedAfter);
    // Selecting an entry in code runs the list's click, also for -1 never.
    EXPECT_EQ(clicks, (c.flags & ffSelect) != 0 && c.selectedAfter >= 0 && c.text != u"" ? 1 : 0);
}

const std::vector<std::u16string> kMarks{u" . ", u" , ", u"x", u" , ", u"other"};

INSTANTIATE_TEST_SUITE_P(
    Searches, FindFirstLineTest,
    ::testing::Values(
        FindCase{"empty text returns the selection", kMarks, 2, u"", 0, ffSelect, 2, 2},
        FindCase{"empty text with nothing selected", kMarks, -1, u"", 0, ffTrim, -1, -1},
        FindCase{"exact needs trim", kMarks, -1, u".", 0, 0, -1, -1},
        FindCase{"trim on both sides", kMarks, -1, u" . ", 0, ffTrim, 0, -1},
        FindCase{"trimmed entry", kMarks, -1, u".", 0, ffTrim, 0, -1},
        FindCase{"forward from start", kMarks, -1, u",", 2, ffTrim, 3, -1},
        FindCase{"backward takes the highest", kMarks, -1, u",", -1, ffTrim | ffBackward, 3, -1},
        FindCase{"backward from start", kMarks, -1, u",", 2, ffTrim | ffBackward, 1, -1},
        FindCase{"lone space finds nothing", kMarks, 1, u" ", 0, ffTrim | ffSelect, -1, -1},
        FindCase{"select the found entry", kMarks, -1, u"x", 0, ffSelect, 2, 2},
        FindCase{"partial", kMarks, -1, u"oth", 0, ffPartial, 4, -1},
        FindCase{"partial longer than entry", kMarks, -1, u"xx", 0, ffPartial, -1, -1},
        FindCase{"contains", kMarks, -1, u"the", 0, ffPartial | ffContains, 4, -1},
        FindCase{"contains alone is exact", kMarks, -1, u"the", 0, ffContains, -1, -1},
        FindCase{"lower case", kMarks, -1, u"OTHER", 0, ffLower, 4, -1},
        FindCase{"case matters", kMarks, -1, u"OTHER", 0, 0, -1, -1},
        FindCase{"past the end forward", kMarks, -1, u"x", 9, 0, -1, -1},
        FindCase{"empty list backward", {}, -1, u"x", -1, ffBackward, -1, -1}));

}  // namespace
}  // namespace velmor
