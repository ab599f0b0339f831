#include "options/fm_options.h"

#include <gtest/gtest.h>

#include "test_support/scripted_platform.h"

namespace velmor {
namespace {

class FmOptionsTest : public ::testing::Test {
protected:
    void open(std::u16string dec, std::u16string ths) {
        pending = PendingMarks{std::move(dec), std::move(ths)};
        dialog.load();
        dialog.Form_Activate();
    }

    test_support::ScriptedPlatform platform;
    PendingMarks pending;
    FmOptions dialog{platform, pending};
};

TEST_F(FmOptionsTest, AnEmptyDecimalMarkTakesTheSystemMarks) {
    platform.marks = {u",", u"\u00A0"};
    open(u"", u"'");
    // The system's no-break space is not a space the list shows as "spc".
    EXPECT_EQ(dialog.cbDec.listIndex(), 1);
    EXPECT_EQ(dialog.cbThs.listIndex(), 8);
    EXPECT_EQ(dialog.txThs.text(), u"\u00A0");
    EXPECT_EQ(dialog.focus(), OptionsFocus::txThs);

    platform.marks = {u"", u""};
    open(u"", u",");
    EXPECT_EQ(dialog.optDecMark, u".");
    EXPECT_EQ(dialog.optThsSep, u"");
    EXPECT_EQ(dialog.cbThs.listIndex(), 0);
}

TEST_F(FmOptionsTest, AStoredMarkThatReadsLikeAnEntrySelectsIt) {
    open(u"other", u"spc");
    EXPECT_EQ(dialog.cbDec.listIndex(), 8);
    EXPECT_EQ(dialog.txDec.text(), u"");  // nothing typed yet in this run
    EXPECT_EQ(dialog.optThsSep, u" ");
    open(u".", u"none");
    EXPECT_EQ(dialog.cbThs.listIndex(), 0);
    EXPECT_EQ(dialog.optThsSep, u"");
}

TEST_F(FmOptionsTest, EqualMarksKeepOkDisabledUntilOneChanges) {
    open(u".", u".");
    EXPECT_EQ(dialog.lbSample.caption, u" 00.000.00 ");
    EXPECT_FALSE(dialog.cmOptExit.enabled);
    dialog.cbThs.setListIndex(1);
    EXPECT_TRUE(dialog.cmOptExit.enabled);
}

TEST_F(FmOptionsTest, OkHandsASpaceBackAsANoBreakSpace) {
    open(u"\u00A0", u".");
    EXPECT_EQ(dialog.optDecMark, u" ");
    dialog.cbDec.setListIndex(1);
    dialog.cbThs.setListIndex(3);
    dialog.pressEnter();
    EXPECT_FALSE(dialog.isOpen());
    EXPECT_EQ(pending.pendDecMark, u",");
    EXPECT_EQ(pending.pendThsSep, u"\u00A0");
}

}  // namespace
}  // namespace velmor
