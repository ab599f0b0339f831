#include "shell/fm_main.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/field_display.h"
#include "input/number_text.h"
#include "shell/settings_file.h"
#include "test_support/scripted_platform.h"

namespace velmor {
namespace {

class FmMainTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.Form_Load();
        form.Form_Activate();
    }

    // Types as the user does: each character's key through the window into
    // the box.
    void type(std::u16string_view text) {
        for (const char16_t c : text)
            form.deliverKey(keyTyping(c));
    }

    test_support::ScriptedPlatform platform;
    PendingMarks pending;
    FmMain form{platform, pending};
};

TEST_F(FmMainTest, SetFieldOutsideTheFieldsChangesNothing) {
    type(u"12");
    for (const int outside : {-1, 9}) {
        form.SetField(outside, true, true, u"-");
        EXPECT_EQ(form.state.activeField, 0);
        EXPECT_EQ(form.txNum.text(), u"12");
        EXPECT_FALSE(form.state.entryStored);
        EXPECT_EQ(form.history.pos(), 1);
        EXPECT_FALSE(form.mnuUndo.enabled);
    }
}

TEST_F(FmMainTest, LeavingAFieldStoresTheEntryWithTheFieldItWasTypedIn) {
    type(u"5");
    form.SetField(3, true, true, u"-");
    EXPECT_EQ(form.history.pos(), 2);
    EXPECT_EQ(form.history.entry(2).text, u"5");
    EXPECT_EQ(form.history.entry(2).field, 0);
    EXPECT_TRUE(form.mnuUndo.enabled);

    form.SetField(4, true, true, u"-");
    EXPECT_EQ(form.history.pos(), 2);
    EXPECT_FALSE(form.shNum[4].visible);
    EXPECT_TRUE(form.shNum[3].visible && form.lbNum[3].visible && form.lbDec[3].visible);
    EXPECT_EQ(form.txNum.geometry, (Rect{180, 540, 2940, 315}));
}

TEST_F(FmMainTest, StarKeepsTheDigitsInTheNewUnit) {
    form.SetField(2, true, true, u"5");
    form.SetField(3, true, true, u"*");
    EXPECT_EQ(form.txNum.text(), u"5");
    EXPECT_EQ(form.lbNum[0].caption, u"5,000,000,000");
    EXPECT_EQ(form.history.entry(2).field, 2);
}

TEST_F(FmMainTest, DashTakesTheNumberTheFieldShows) {
    form.state.decMark = u",";
    form.state.thsSep = u" ";
    form.SetDigit(3);
    form.SetField(0, true, true, u"1234250");
    form.SetField(1, true, true, u"-");
    EXPECT_EQ(form.txNum.text(), u"1 234,25");
    EXPECT_EQ(form.state.entryValue, Quantity::fromCount(1234'2500));

    form.SetDigit(0);
    form.DisplayFields();
    form.SetField(0, true, true, u"-");
    EXPECT_EQ(form.txNum.text(), u"1 234 250");
}

TEST_F(FmMainTest, DashOnAnOverflowingFieldEmptiesTheBox) {
    form.SetField(8, true, true, u"1000");
    EXPECT_EQ(form.lbNum[0].caption, kOverflowText);
    form.SetField(0, true, true, u"-");
    EXPECT_EQ(form.txNum.text(), u"");
    EXPECT_EQ(form.state.entryValue, Quantity());  // the empty text reads as 0
}

TEST_F(FmMainTest, EnterOnAnEntryThatDoesNotParseEmptiesTheBox) {
    form.SetField(1, true, true, u"1..2");
    ASSERT_FALSE(form.state.entryValid);
    EXPECT_EQ(form.keyPress(13), 0);
    EXPECT_EQ(form.txNum.text(), u"");
    EXPECT_FALSE(form.state.entryValid);
}

TEST_F(FmMainTest, EnterRewritesTheEntryAsShownWithoutReparsing) {
    form.SetField(1, true, true, u"1.23456");
    EXPECT_EQ(form.keyPress(13), 0);
    EXPECT_EQ(form.txNum.text(), u"1.2");
    EXPECT_EQ(form.txNum.selLength(), 3);
    EXPECT_EQ(form.state.entryValue, Quantity::fromCount(1'2346));
    EXPECT_EQ(form.history.entry(2).text, u"1.23456");

    type(u"7");
    EXPECT_FALSE(form.state.entryStored);
    EXPECT_EQ(form.state.entryValue, Quantity::fromUnits(7));
}

TEST_F(FmMainTest, PlacingTextWithoutReparsingKeepsTheDisplay) {
    form.SetField(0, true, false, u"  77 ");
    EXPECT_EQ(form.txNum.text(), u"77");
    EXPECT_FALSE(form.state.entryStored);
    EXPECT_TRUE(form.txNum.enabled);
    EXPECT_EQ(form.lbNum[1].caption, u"0");
    form.txNum.moveCaretEnd();
    type(u"0");
    EXPECT_EQ(form.lbNum[5].caption, u"0");
    EXPECT_EQ(form.lbDec[5].caption, u".8");
}

TEST_F(FmMainTest, SixtyStoresKeepTheFiftyNewest) {
    for (int k = 1; k <= 60; ++k) {
        form.txNum.setText(std::u16string(u"n") + static_cast<char16_t>(u'0' + k % 10));
        form.Store();
    }
    EXPECT_EQ(form.history.pos(), History::kCapacity);
    // The start-up entry and the first ten are gone: entry 1 is store 11.
    EXPECT_EQ(form.history.entry(1).text, u"n1");
    EXPECT_EQ(form.history.entry(50).text, u"n0");
    for (int undo = 0; undo < 50; ++undo)
        form.mnuUndo.click();
    EXPECT_EQ(form.txNum.text(), u"n1");
    EXPECT_FALSE(form.mnuUndo.enabled);
}

TEST_F(FmMainTest, HandedBackMarksShowTheEntryAgainAndAreSavedAtOnce) {
    form.SetField(1, true, true, u"1234.5678");
    pending.pendDecMark = u",";
    pending.pendThsSep = u".";
    form.Form_Activate();
    EXPECT_EQ(form.txNum.text(), u"1.234,5");
    EXPECT_EQ(form.state.entryValue, Quantity::fromCount(1234'5000));
    EXPECT_EQ(form.state.activeField, 1);
    EXPECT_TRUE(pending.pendDecMark.empty() && pending.pendThsSep.empty());
    const ReadSettings saved = loadSettings(platform);
    EXPECT_EQ(saved.decMark, u",");
    EXPECT_EQ(saved.thsSep, u".");
    EXPECT_EQ(saved.entryText, u"1.234,5");  // the entry in the marks it is saved with
}

TEST_F(FmMainTest, AnEntryThatDoesNotParseComesBackAsItsCode) {
    form.SetField(1, true, true, u"1..2");
    pending.pendDecMark = u"'";
    form.Form_Activate();
    EXPECT_EQ(form.txNum.text(), u"-3'0");
    EXPECT_EQ(form.decAliases, u",.");
    EXPECT_FALSE(form.state.entryValid);
}

TEST_F(FmMainTest, ASeparatorWithoutADecimalMarkAppliesNothing) {
    pending.pendThsSep = u"'";
    form.Form_Activate();
    EXPECT_EQ(form.state.thsSep, u",");
    EXPECT_FALSE(findSettingsFile(platform));
}

TEST_F(FmMainTest, GuideOpensTheHelpFileOrElseTheHtmlGuide) {
    namespace fs = std::filesystem;
    const fs::path program = platform.programFolder();
    platform.dataFolder = program / "share";
    const auto place = [](const fs::path& file) {
        fs::create_directories(file.parent_path());
        std::ofstream(file) << "x";
    };

    form.mnuHelpHelp.click();
    EXPECT_EQ(fs::path(platform.shellTarget), program / "Velmor.chm");  // nothing there: as asked
    place(platform.dataFolder / "guide/index.html");
    form.mnuHelpHelp.click();
    EXPECT_EQ(fs::path(platform.shellTarget), platform.dataFolder / "guide/index.html");
    place(program / "guide/index.html");
    form.mnuHelpHelp.click();
    EXPECT_EQ(fs::path(platform.shellTarget), program / "guide/index.html");
    // In the user's language, wherever it is; English when there is none.
    platform.languages = {"fr-FR", "fr", "en"};
    form.mnuHelpHelp.click();
    EXPECT_EQ(fs::path(platform.shellTarget), program / "guide/index.html");
    place(platform.dataFolder / "guide/index.fr.html");
    form.mnuHelpHelp.click();
    EXPECT_EQ(fs::path(platform.shellTarget), platform.dataFolder / "guide/index.fr.html");
    platform.languages = {"en-GB", "fr"};
    form.mnuHelpHelp.click();
    EXPECT_EQ(fs::path(platform.shellTarget), program / "guide/index.html");
    place(program / "Velmor.chm");
    form.mnuHelpHelp.click();
    EXPECT_EQ(fs::path(platform.shellTarget), program / "Velmor.chm");
}

struct FilterCase {
    const char* what;
    int activeField;
    std::u16string decMark;
    std::u16string thsSep;
    char16_t typed;
    char16_t passed;  // 0: dropped
};

void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << c.what;
}

class EntryFilterTest : public FmMainTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(EntryFilterTest, PassesRewritesOrDropsTheCharacter) {
    const FilterCase& c = GetParam();
    form.SetField(c.activeField, true, true, u"1");
    form.state.decMark = c.decMark;
    form.state.thsSep = c.thsSep;
    form.decAliases = decimalAliases(c.decMark, c.thsSep);
    form.state.entryStored = true;
    EXPECT_EQ(form.keyPress(c.typed), c.passed);
    EXPECT_EQ(form.state.entryStored, c.passed < 32);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, EntryFilterTest,
    ::testing::Values(
        FilterCase{"digit", 0, u".", u",", u'7', u'7'},
        FilterCase{"separator", 0, u".", u",", u',', u','},
        FilterCase{"mark in bytes", 0, u".", u",", u'.', 0},
        FilterCase{"mark in kB", 1, u".", u",", u'.', u'.'},
        FilterCase{"period as separator", 1, u",", u".", u'.', u'.'},
        FilterCase{"letter", 1, u".", u",", u'a', 0}, FilterCase{"minus", 1, u".", u",", u'-', 0},
        FilterCase{"backspace", 1, u".", u",", 8, 8},
        FilterCase{"space is no-break", 1, u",", u"\u00A0", u' ', u'\u00A0'},
        FilterCase{"space without such separator", 1, u".", u",", u' ', 0},
        FilterCase{"comma types middle dot", 1, u"\u00B7", u"\u00A0", u',', u'\u00B7'},
        FilterCase{"period types middle dot", 1, u"\u00B7", u"\u00A0", u'.', u'\u00B7'},
        FilterCase{"alias in bytes", 0, u"\u00B7", u"\u00A0", u',', 0}));

}  // namespace
}  // namespace velmor
