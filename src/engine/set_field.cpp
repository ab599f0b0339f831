// Moving the entry box between fields and redrawing the fields.
#include <utility>

#include "engine/field_display.h"
#include "input/number_text.h"
#include "shell/fm_main.h"

namespace velmor {
namespace {

constexpr int kEntryHeight = 315;  // 21 pixels
constexpr double kEntryFontSize = 11;

}  // namespace

void FmMain::SetField(int nx, bool fl, bool ena, std::u16string vl) {
    if (!isFieldIndex(nx)) return;

    // Store before moving, so the entry keeps the field it was typed in.
    if (state.entryValid && !state.entryStored) Store();

    if (state.coveredField >= 0) {
        const auto covered = static_cast<std::size_t>(state.coveredField);
        shNum[covered].visible = true;
        lbNum[covered].visible = true;
        lbSign[covered].visible = true;
        lbDec[covered].visible = covered != 0;
    }

    state.activeField = static_cast<std::int16_t>(nx);
    state.coveredField = state.activeField;
    const auto field = static_cast<std::size_t>(nx);
    shNum[field].visible = false;
    lbNum[field].visible = false;
    lbDec[field].visible = false;
    lbSign[field].visible = false;

    const Rect frame = shNum[field].geometry;
    txNum.geometry = {frame.left, frame.top - kTwipsPerPixel, frame.width, kEntryHeight};
    txNum.font.points = kEntryFontSize;
    txNum.visible = true;
    txNum.enabled = ena;

    // Placing a different text runs the change handling (while the box is
    // enabled) before the flags below are set.
    if (vl == kShownNumber) {
        const bool shown = state.fieldShown[field];
        txNum.setText(shown ? shownNumberText(nx) : std::u16string());
        state.entryValid = shown;
    } else if (vl != kKeepDigits) {
        txNum.setText(std::u16string(trimSpaces(vl)));
        state.entryStored = false;
        state.entryValid = true;
    }

    if (txNum.enabled) {
        CalcDx();
        DisplayFields();
    }
    txNum.enabled = true;
    if (fl) txNum.setSelection(0, TextBox::kToTheEnd);
    txNum.focused = true;
    mnuUndo.enabled = history.pos() > 0;
    mnuEditCopy.enabled = !txNum.text().empty();
}

// The entry text for the number a field shows: its digits as grouped, and
// its decimals without trailing zeros.
std::u16string FmMain::shownNumberText(int field) const {
    const auto at = static_cast<std::size_t>(field);
    const Quantity decimals = CalcTextVal(lbDec[at].caption, false);
    std::u16string text = lbNum[at].caption;
    if (decimals.count() > 0) text += state.decMark + fractionDigits(decimals);
    return std::u16string(trimSpaces(text));
}

void FmMain::DisplayFields() {
    FieldTexts fields = velmor::DisplayFields(state);
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        lbNum[i].caption = std::move(fields[i].number);
        lbDec[i].caption = std::move(fields[i].decimals);
        lbSign[i].caption = std::move(fields[i].sign);
        state.fieldShown[i] = fields[i].shown;
    }
}

}  // namespace velmor
