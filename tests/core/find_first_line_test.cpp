#include "options/find_first_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmor {
namespace {

struct FindCase {
    const char* what;
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
    ComboBox list({}, {u" . ", u" , ", u"x", u" , ", u"other"}, u"");
    list.setListIndex(c.selected);
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    EXPECT_EQ(FindFirstLine(list, c.text, c.start, c.flags), c.found);
    EXPECT_EQ(list.listIndex(), c.selectedAfter);
    // Selecting an entry in code runs the list's click; clearing it does not.
    EXPECT_EQ(clicks, (c.flags & ffSelect) != 0 && c.selectedAfter >= 0 && c.text != u"" ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Searches, FindFirstLineTest,
    ::testing::Values(FindCase{"empty text returns the selection", 2, u"", 0, ffSelect, 2, 2},
                      FindCase{"exact needs trim", -1, u".", 0, 0, -1, -1},
                      FindCase{"trim on both sides", -1, u" . ", 0, ffTrim, 0, -1},
                      FindCase{"the first of equal entries", -1, u",", 0, ffTrim, 1, -1},
                      FindCase{"from the start index", -1, u",", 2, ffTrim, 3, -1},
                      FindCase{"the last entry", -1, u"other", 0, 0, 4, -1},
                      FindCase{"past the end", -1, u"x", 9, 0, -1, -1},
                      FindCase{"select the found entry", -1, u"x", 0, ffSelect, 2, 2},
                      FindCase{"nothing found clears the selection", 1, u" ", 0, ffTrim | ffSelect,
                               -1, -1}));

}  // namespace
}  // namespace velmor
