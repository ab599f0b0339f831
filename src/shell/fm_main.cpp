#include "shell/fm_main.h"

#include "engine/shown_text.h"
#include "input/number_text.h"
#include "shell/main_layout.h"

namespace velmor {

static_assert(main_layout::kDigitBoxPlaces.size() == FmMain::kDigitBoxes);
static_assert(main_layout::kRoundingBoxPlaces.size() == FmMain::kRoundingBoxes);

FmMain::FmMain(Platform& platform, PendingMarks& pending) : platform_(platform), pending_(pending) {
    using namespace main_layout;
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const FieldLayout& at = kFields[i];
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
    txNum.geometry = kEntry;
    txNum.back = kEntryValid;
    txNum.font = kEntryFont;
    txNum.alignment = Alignment::Right;
    txNum.maxLength = kEntryLength;
    txNum.onChange = [this] { txNum_Change(); };

    const std::array<const char16_t*, kDigitBoxes> digitTips{
        VELMOR_TEXT("Velmor", " round to integer "), VELMOR_TEXT("Velmor", " round to 1 decimal "),
        VELMOR_TEXT("Velmor", " round to 2 decimals "),
        VELMOR_TEXT("Velmor", " round to 3 decimals ")};
    for (int i = 0; i < kDigitBoxes; ++i) {
        auto& box = chDigit[static_cast<std::size_t>(i)];
        box = CheckBox(kDigitBoxPlaces[static_cast<std::size_t>(i)],
                       digitTips[static_cast<std::size_t>(i)]);
        box.onClick = [this, i] { chDigit_Click(i); };
    }
    const std::array<const char16_t*, kRoundingBoxes> roundingTips{
        VELMOR_TEXT("Velmor", " round up "), VELMOR_TEXT("Velmor", " round half up "),
        VELMOR_TEXT("Velmor", " round down ")};
    for (int i = 0; i < kRoundingBoxes; ++i) {
        const auto at = static_cast<std::size_t>(i);
        chRnd[at] = CheckBox(kRoundingBoxPlaces[at], roundingTips[at]);
        chRnd[at].onClick = [this, i] { chRnd_Click(i); };
    }

    lbDecimalHeading = Label{
        kDecimalHeading, VELMOR_TEXT("Velmor", "decimal"), {}, kHeadingBlue, true, kHeadingFont};
    lbBinaryHeading = Label{kBinaryHeading, VELMOR_TEXT("Velmor", "binary"), {}, kHeadingBlue, true,
                            kHeadingFont};
    // The keys that tick each option box, beneath it.
    const std::array<const char16_t*, kDigitBoxes + kRoundingBoxes> hotKeys{
        u"X", u"Y", u"Z", u"F1", u"F2", u"F3", u"F4"};
    for (std::size_t k = 0; k < llHot.size(); ++k) {
        const Rect box =
            k < kRoundingBoxes ? chRnd[k].geometry : chDigit[k - kRoundingBoxes].geometry;
        llHot[k] = Label{{box.left, box.top + box.height + kHintGap, box.width, kHintHeight},
                         hotKeys[k],
                         {},
                         kTextBlack,
                         true,
                         Font{},
                         Alignment::Center};
    }

    pcButtons = PictureBox{kBanner, kBannerBlue, false};
    lbMark = Label{kBannerText, {}, {}, {255, 255, 255}, true, kBannerFont};
    cmFlag.onTimer = [this] { cmFlag_Timer(); };

    for (MenuItem* item : {&mnuEditCopy, &mnuEditPaste, &mnuUndo, &mnuRedo}) {
        item->enabled = false;
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
