// The entry box: its character filter, its change handling and its clicks.
#include <string>

#include "input/key_codes.h"
#include "input/number_text.h"
#include "shell/fm_main.h"

namespace velmor {
namespace {

char16_t firstChar(std::u16string_view text) {
    return text.empty() ? 0 : text.front();
}

// The space bar types the thousand separator when that is a space of any
// width (fr_FR groups with the narrow no-break space), else the no-break
// space.
char16_t spaceFor(std::u16string_view thsSep) {
    constexpr std::u16string_view kSpaces = u"\u00A0\u202F\u2009\u2007";
    const char16_t separator = firstChar(thsSep);
    return thsSep.size() == 1 && kSpaces.find(separator) != std::u16string_view::npos
               ? separator
               : kNoBreakSpace;
}

}  // namespace

Quantity FmMain::CalcTextVal(std::u16string_view fd, bool systemMarks) const {
    const auto [sysDecMark, sysThsSep] = velmor::systemMarks(platform_);
    return systemMarks ? velmor::CalcTextVal(fd, sysDecMark, sysThsSep, sysDecMark.front())
                       : velmor::CalcTextVal(fd, state.decMark, state.thsSep, sysDecMark.front());
}

void FmMain::CalcDx() {
    state.entryValue = CalcTextVal(trimSpaces(txNum.text()), false);
    state.entryValid = !state.entryValue.isError();
    txNum.back = state.entryValid ? kEntryValid : kEntryInvalid;
    txNum.fore = kTextBlack;
}

void FmMain::txNum_KeyPress(char16_t& keyAscii) {
    if (keyAscii == kKeyEnter) {
        SetField(state.activeField, true, false, kShownNumber);
        keyAscii = 0;
        return;
    }
    if (keyAscii < kFirstPrintable) return;  // Backspace and the box's own editing keys

    if (keyAscii == kKeySpace) keyAscii = spaceFor(state.thsSep);
    const char16_t mark = firstChar(state.decMark);
    if (decAliases.find(keyAscii) != std::u16string::npos) keyAscii = mark;
    // A byte count takes no decimals.
    if (keyAscii == mark && state.activeField == 0) {
        keyAscii = 0;
        return;
    }
    const std::u16string accepted = u"0123456789" + state.thsSep + state.decMark;
    if (accepted.find(keyAscii) == std::u16string::npos) {
        keyAscii = 0;
        return;
    }
    state.entryStored = false;
}

void FmMain::txNum_Change() {
    if (!txNum.enabled) return;  // code placing a text without reparsing
    CalcDx();
    DisplayFields();
    mnuEditCopy.enabled = !txNum.text().empty();
    refreshPaste();
}

// What the clipboard offers, not its text: a large text or an owner slow to
// answer would hold up every key.
void FmMain::refreshPaste() {
    mnuEditPaste.enabled = platform_.clipboardOffersText();
}

void FmMain::txNum_Click() {
    stickyCtrl = !stickyCtrl;
    txNum.back = stickyCtrl ? kEntryLatched : kEntryValid;
    txNum.fore = kTextBlack;
}

void FmMain::txNum_DblClick() {
    txNum.setSelection(0, TextBox::kToTheEnd);
}

void FmMain::pcBack_GotFocus() {
    if (txNum.visible) txNum.focused = true;
}

}  // namespace velmor
