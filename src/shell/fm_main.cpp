#include "shell/fm_main.h"

#include "input/number_text.h"

namespace velmor {
namespace {

// Where each field's controls stand, in twips.
struct FieldLayout {
    Rect frame;
    Rect number;
    Rect decimals;
    int signLeft;
    int signTop;
    int unitLeft;
    int unitTop;
    int unitWidth;
};

constexpr std::array<FieldLayout, kFieldCount> kFieldLayout{{
    {{2565, 2355, 2535, 285},
     {2580, 2370, 2430, 255},
     {5100, 2400, 420, 240},
     4920,
     2190,
     5190,
     2370,
     165},
    {{180, 1905, 2940, 285},
     {195, 1920, 2430, 255},
     {2625, 1935, 480, 240},
     2535,
     1740,
     3210,
     1920,
     285},
    {{180, 1455, 2940, 285},
     {195, 1470, 2430, 255},
     {2625, 1485, 480, 240},
     2535,
     1290,
     3210,
     1470,
     360},
    {{180, 1005, 2940, 285},
     {195, 1020, 2430, 255},
     {2625, 1035, 480, 240},
     2535,
     840,
     3210,
     1020,
     345},
    {{180, 555, 2940, 285},
     {195, 570, 2430, 255},
     {2625, 585, 480, 240},
     2535,
     390,
     3210,
     570,
     315},
    {{3975, 1905, 2940, 285},
     {3990, 1920, 2430, 270},
     {6420, 1935, 480, 240},
     6330,
     1740,
     7020,
     1920,
     390},
    {{3975, 1455, 2940, 285},
     {3990, 1470, 2430, 255},
     {6420, 1485, 480, 240},
     6330,
     1290,
     7020,
     1470,
     420},
    {{3975, 1005, 2940, 285},
     {3990, 1020, 2430, 255},
     {6420, 1035, 480, 240},
     6330,
     840,
     7020,
     1020,
     405},
    {{3975, 555, 2940, 285},
     {3990, 570, 2430, 255},
     {6420, 585, 480, 240},
     6330,
     390,
     7020,
     570,
     375},
}};

constexpr int kSignSize = 225;
constexpr int kUnitHeight = 270;
constexpr Rgb kFrameGrey{240, 240, 240};
constexpr Rgb kNumberNavy{0, 0, 128};

const Font kNumberFont{u"Microsoft Sans Serif", 11.25, true};
const Font kDecimalsFont{u"Microsoft Sans Serif", 9.75, true};
// Its "t" and "u" draw the up and down triangles of the rounding markers.
const Font kMarkerFont{u"Marlett", 11.25, false};

constexpr int kOptionTop = 2880;
constexpr int kOptionHeight = 375;

}  // namespace

FmMain::FmMain(Platform& platform, PendingMarks& pending) : platform_(platform), pending_(pending) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldLayout& at = kFieldLayout[i];
        shNum[i] = Shape{at.frame, kFrameGrey, true};
        lbNum[i] = Label{at.number, {}, {}, kNumberNavy, true, kNumberFont, Alignment::Right};
        // The byte count has no decimals to show: its decimals label stays hidden.
        lbDec[i] = Label{at.decimals, {}, {}, kNumberNavy, i != 0, kDecimalsFont};
        lbSign[i] = Label{{at.signLeft, at.signTop, kSignSize, kSignSize},
                          u"u",
                          {},
                          kTextBlack,
                          true,
                          kMarkerFont};
        lbUnit[i] = Label{{at.unitLeft, at.unitTop, at.unitWidth, kUnitHeight},
                          std::u16string(unitText[i].caption),
                          std::u16string(unitText[i].tooltip),
                          kTextBlack,
                          true,
                          kNumberFont};
    }

    txNum.setText(u"000");
    txNum.geometry = {2565, 2340, 2535, 315};
    txNum.back = kEntryValid;
    txNum.font = Font{u"Arial", 11.25, true};
    txNum.alignment = Alignment::Right;
    txNum.maxLength = kEntryLength;
    txNum.onChange = [this] { txNum_Change(); };

    const std::array<const char16_t*, kDigitBoxes> digitTips{
        u" round to integer ", u" round to 1 decimal ", u" round to 2 decimals ",
        u" round to 3 decimals "};
    for (int i = 0; i < kDigitBoxes; ++i) {
        auto& box = chDigit[static_cast<std::size_t>(i)];
        box = CheckBox({3210 + 780 * i, kOptionTop, 720, kOptionHeight},
                       digitTips[static_cast<std::size_t>(i)]);
        box.onClick = [this, i] { chDigit_Click(i); };
    }
    const std::array<const char16_t*, kRoundingBoxes> roundingTips{
        u" round up ", u" round half up ", u" round down "};
    const std::array<int, kRoundingBoxes> roundingLeft{1260, 1725, 2190};
    for (int i = 0; i < kRoundingBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        chRnd[at] = CheckBox({roundingLeft[at], kOptionTop, 390, kOptionHeight}, roundingTips[at]);
        chRnd[at].onClick = [this, i] { chRnd_Click(i); };
    }

    const Font headingFont{u"Microsoft Sans Serif", 12.75, false};
    lbDecimalHeading = Label{{1208, 120, 0, 0}, u"decimal", {}, {0, 0, 192}, true, headingFont};
    lbBinaryHeading = Label{{5093, 120, 0, 0}, u"binary", {}, {0, 0, 192}, true, headingFont};
    // The keys that tick each option box, beneath it.
    const std::array<const char16_t*, kDigitBoxes + kRoundingBoxes> hotKeys{
        u"X", u"Y", u"Z", u"F1", u"F2", u"F3", u"F4"};
    for (std::size_t k = 0; k < llHot.size(); ++k) {
        const Rect box =
            k < kRoundingBoxes ? chRnd[k].geometry() : chDigit[k - kRoundingBoxes].geometry();
        llHot[k] = Label{{box.left, box.top + box.height + 15, box.width, 210},
                         hotKeys[k],
                         {},
                         kTextBlack,
                         true,
                         Font{},
                         Alignment::Center};
    }

    pcButtons = PictureBox{{2100, 510, 3405, 525}, {0, 0, 192}, false};
    lbMark = Label{{1635, 60, 0, 0},
                   {},
                   {},
                   {255, 255, 255},
                   true,  // sized by its text
                   Font{u"Microsoft Sans Serif", 15.75, true}};
    cmFlag.onTimer = [this] { cmFlag_Timer(); };

    for (MenuItem* item : {&mnuEditCopy, &mnuEditPaste, &mnuUndo, &mnuRedo}) {
        item->setEnabled(false);
    }
    mnuExit.onClick = [this] { mnuExit_Click(); };
    mnuEditCopy.onClick = [this] { mnuEditCopy_Click(); };
    mnuEditPaste.onClick = [this] { mnuEditPaste_Click(); };
    mnuUndo.onClick = [this] { mnuUndo_Click(); };
    mnuRedo.onClick = [this] { mnuRedo_Click(); };
    mnuHelpConfig.onClick = [this] { mnuHelpConfig_Click(); };
    mnuHelpHelp.onClick = [this] { mnuHelpHelp_Click(); };
    mnuHelpAbout.onClick = [this] { mnuHelpAbout_Click(); };
}

}  // namespace velmor
