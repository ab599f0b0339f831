// Copy and Paste carry the entry's quantity through the clipboard as plain
// text: the system's decimal mark, no grouping.
#include "engine/field_display.h"
#include "input/number_text.h"
#include "shell/fm_main.h"

namespace velmor {

void FmMain::mnuEditCopy_Click() {
    CalcDx();
    if (state.entryValue.isError()) return;
    platform_.setClipboardText(
        plainValueText(state.entryValue, systemMarks(platform_).first.front()));
    // Grey until the text next changes or the box is clicked.
    txNum.fore = kTextCopied;
    txNum.setSelection(TextBox::kToTheEnd, 0);
}

void FmMain::mnuEditPaste_Click() {
    const std::optional<std::u16string> clip = platform_.clipboardText();
    if (!clip || clip->empty()) return;
    const Quantity value = CalcTextVal(*clip, true);
    Store();
    // The pasted quantity counts in the active field's unit, written in the
    // program's own marks; "? " shows that the clipboard held no quantity.
    txNum.setText(value.isError() ? u"? "
                                  : FormatVal(value.integerPart(), value.fraction(), state.digits,
                                              state.decMark, state.thsSep));
}

}  // namespace velmor
