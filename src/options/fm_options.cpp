#include "options/fm_options.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "engine/shown_text.h"
#include "input/number_text.h"
#include "options/find_first_line.h"
#include "options/options_layout.h"
#include "shell/settings_text.h"

namespace velmor {
namespace {

// The marks of thousands entries 1..7, in the list's order.
constexpr std::u16string_view sy1 = u",. ':-\u00B7";

std::u16string fromPending(const std::u16string& mark) {
    return mark == std::u16string(1, kNoBreakSpace) ? u" " : mark;
}

std::u16string toPending(const std::u16string& mark) {
    return mark == u" " ? std::u16string(1, kNoBreakSpace) : mark;
}

// Characters, a pair of surrogates counting as one.
std::size_t characterCount(std::u16string_view text) {
    return static_cast<std::size_t>(std::count_if(
        text.begin(), text.end(), [](char16_t c) { return c < 0xDC00 || c > 0xDFFF; }));
}

constexpr std::array kTabOrder{OptionsFocus::cbDec,     OptionsFocus::txDec,
                               OptionsFocus::cbThs,     OptionsFocus::txThs,
                               OptionsFocus::cmOptExit, OptionsFocus::cmOptCancel};

}  // namespace

FmOptions::FmOptions(Platform& platform, PendingMarks& pending)
    : platform_(platform), pending_(pending) {
    makeControls();
}

void FmOptions::makeControls() {
    using namespace options_layout;
    Label1 =
        Label{kDecimalLabel, VELMOR_TEXT("Velmor", "decimal mark: "), {}, {}, true, kLabelFont};
    Label2 = Label{kSeparatorLabel, VELMOR_TEXT("Velmor", "thousand separator: "), {}, {}, true,
                   kLabelFont};

    cbDec = ComboBox(kDecimalList,
                     {u" . ", u" , ", u" : ", u" - ", u" | ", u" \u00B7 ", u" \u2022 ", u"*",
                      VELMOR_TEXT("Velmor", "other")},
                     VELMOR_TEXT("Velmor", " Select decimal mark "));
    cbThs = ComboBox(kSeparatorList,
                     {VELMOR_TEXT("Velmor", "none"), u" , ", u" . ", VELMOR_TEXT("Velmor", "spc"),
                      u" ' ", u" : ", u" - ", u" \u00B7 ", VELMOR_TEXT("Velmor", "other")},
                     VELMOR_TEXT("Velmor", " Select separator mark for thousands "));
    for (ComboBox* list : {&cbDec, &cbThs})
        list->font = kListFont;
    cbDec.onClick = [this] { cbDec_Click(); };
    cbThs.onClick = [this] { cbThs_Click(); };

    for (TextBox* entry : {&txDec, &txThs}) {
        *entry = TextBox();
        entry->enabled = false;
        entry->back = kOptionsSilver;
        entry->font = kBoxFont;
        entry->maxLength = 1;
        // One typed character, also one beyond the first 65536 that takes
        // two code units; a longer mark set in code may be shortened.
        entry->acceptsEdit = [entry](std::u16string_view text) {
            return characterCount(text) <= std::max<std::size_t>(1, characterCount(entry->text()));
        };
    }
    txDec.geometry = kDecimalBox;
    txDec.alignment = Alignment::Center;
    txDec.onChange = [this] { txDec_Change(); };
    txThs.geometry = kSeparatorBox;
    txThs.onChange = [this] { txThs_Change(); };

    lbSample = Label{kSample, u" 00,000.00 ", {}, {}, true, kBoxFont, Alignment::Right};
    cmOptExit =
        CommandButton{kOk, VELMOR_TEXT("Velmor", "OK"), kButtonBlue, kButtonFont, true, false};
    cmOptExit.onClick = [this] { cmOptExit_Click(); };
    cmOptCancel = CommandButton{
        kCancel, VELMOR_TEXT("Velmor", "Cancel"), kButtonBlue, kButtonFont, false, true};
    cmOptCancel.onClick = [this] { cmOptCancel_Click(); };
}

void FmOptions::load() {
    makeControls();
    focus_ = OptionsFocus::cbDec;
    accepted_ = false;
    open_ = true;
    Form_Load();
}

void FmOptions::unload() {
    Form_Unload();
    open_ = false;
}

void FmOptions::focusOn(OptionsFocus target) {
    if (target == focus_) return;
    if (focus_ == OptionsFocus::txDec && txDec.enabled) txDec_LostFocus();
    if (focus_ == OptionsFocus::txThs && txThs.enabled) txThs_LostFocus();
    focus_ = target;
    if (target == OptionsFocus::txDec) txDec_GotFocus();
    if (target == OptionsFocus::txThs) txThs_GotFocus();
}

// The focus moves to the button first; a focus-lost operation that disabled
// the button swallows the click.
void FmOptions::clickButton(OptionsFocus button) {
    CommandButton& pressed = button == OptionsFocus::cmOptExit ? cmOptExit : cmOptCancel;
    if (!pressed.enabled) return;
    focusOn(button);
    if (!pressed.enabled) {
        moveFocusOn();  // a disabled button cannot keep the focus
        return;
    }
    if (open_) pressed.onClick();
}

void FmOptions::pressEnter() {
    if (cmOptExit.enabled) cmOptExit_Click();
}

void FmOptions::disableBox(OptionsFocus which) {
    box(which).enabled = false;
    if (focus_ == which) moveFocusOn();
}

// Moves the focus to the next control in tab order that can take it,
// without any focus-lost operation.
void FmOptions::moveFocusOn() {
    auto at = std::find(kTabOrder.begin(), kTabOrder.end(), focus_);
    do {
        if (++at == kTabOrder.end()) at = kTabOrder.begin();
    } while ((*at == OptionsFocus::cmOptExit && !cmOptExit.enabled) ||
             (*at == OptionsFocus::txDec && !txDec.enabled) ||
             (*at == OptionsFocus::txThs && !txThs.enabled));
    focus_ = *at;
}

void FmOptions::reopenBox(OptionsFocus which, const std::u16string& text) {
    disableBox(which);
    box(which).setText(text);
    box(which).back = kOptionsWhite;
    box(which).enabled = true;
    focusOn(which);
}

bool FmOptions::marksAcceptable() const {
    // Exactly the marks that the settings file reads back.
    return optDecMark != optThsSep && isUsableMark(optDecMark) &&
           (optThsSep.empty() || isUsableMark(optThsSep));
}

void FmOptions::ShowSample() {
    lbSample.caption = u" 00" + optThsSep + u"000" + optDecMark + u"00 ";
    cmOptExit.enabled = marksAcceptable();
}

void FmOptions::Form_Activate() {
    if (!firstActivate) return;
    firstActivate = false;
    optDecMark = fromPending(pending_.pendDecMark);
    optThsSep = fromPending(pending_.pendThsSep);
    if (optDecMark.empty()) std::tie(optDecMark, optThsSep) = systemMarks(platform_);

    if (FindFirstLine(cbDec, optDecMark, 0, ffTrim | ffSelect) < 0) {
        otherDec = optDecMark;
        cbDec.setListIndex(cbDec.listCount() - 1);
    }
    const std::u16string shownThs = optThsSep.empty()   ? u"none"
                                    : optThsSep == u" " ? u"spc"
                                                        : optThsSep;
    if (FindFirstLine(cbThs, shownThs, 0, ffTrim | ffSelect) < 0) {
        otherThs = optThsSep;
        cbThs.setListIndex(cbThs.listCount() - 1);
    }
    ShowSample();
}

void FmOptions::Form_Unload() {
    // Only an accepted OK hands marks back: every other close leaves the
    // main window's marks as they were.
    if (!accepted_) pending_ = PendingMarks{};
}

void FmOptions::cbDec_Click() {
    cbDec.back = kOptionsWhite;
    if (cbDec.lastSelected()) {
        optDecMark = otherDec;
        reopenBox(OptionsFocus::txDec, otherDec);
    } else {
        optDecMark = std::u16string(trimSpaces(cbDec.list(cbDec.listIndex())));
        disableBox(OptionsFocus::txDec);
        txDec.setText(u"");
        txDec.back = kOptionsSilver;
    }
    ShowSample();
}

void FmOptions::cbThs_Click() {
    cbThs.back = kOptionsWhite;
    if (cbThs.lastSelected()) {
        optThsSep = otherThs;
        reopenBox(OptionsFocus::txThs, otherThs);
    } else {
        disableBox(OptionsFocus::txThs);
        txThs.setText(u"");
        txThs.back = kOptionsSilver;
        const int k = cbThs.listIndex();
        optThsSep = k == 0 ? u"" : std::u16string(1, sy1[static_cast<std::size_t>(k - 1)]);
    }
    ShowSample();
}

void FmOptions::txDec_Change() {
    if (!txDec.enabled) return;  // the dialog's own changes
    const std::u16string text = txDec.text();
    if (!text.empty()) {
        otherDec = text;
        optDecMark = text;
        cbDec.back = kOptionsWhite;
        if (const int r = FindFirstLine(cbDec, text, 0, ffTrim); r >= 0) {
            otherDec.clear();
            cbDec.setListIndex(r);
        }
    } else {
        // The last typed character stays the mark, in the sample too.
        cbDec.back = kOptionsWarning;
    }
    ShowSample();
}

void FmOptions::txThs_Change() {
    if (!txThs.enabled) return;
    const std::u16string text = txThs.text();
    otherThs = text;
    optThsSep = text;
    if (!text.empty()) cbThs.back = kOptionsWhite;
    // An emptied box is no listed mark: it stays "other" until the focus
    // leaves it (then "none") or OK refuses it.
    const auto k = text.empty() ? std::u16string_view::npos : sy1.find(text);
    if (k != std::u16string_view::npos) {
        otherThs.clear();
        cbThs.setListIndex(static_cast<int>(k) + 1);
    } else {
        cbThs.setListIndex(cbThs.listCount() - 1);
    }
    ShowSample();
}

void FmOptions::txDec_LostFocus() {
    if (cbDec.lastSelected() && txDec.text().empty()) {
        cmOptExit.enabled = false;
        cbDec.back = kOptionsWarning;
    } else {
        cmOptExit.enabled = marksAcceptable();
        cbDec.back = kOptionsWhite;
    }
}

void FmOptions::txThs_LostFocus() {
    if (txThs.text().empty()) {
        cbThs.setListIndex(0);
    } else {
        cbThs.back = kOptionsWhite;
    }
}

void FmOptions::cmOptExit_Click() {
    if (cbDec.lastSelected() && trimSpaces(txDec.text()).empty()) {
        cbDec.back = kOptionsWarning;
        reopenBox(OptionsFocus::txDec, otherDec);
        return;
    }
    if (cbThs.lastSelected() && trimSpaces(txThs.text()).empty()) {
        cbThs.back = kOptionsWarning;
        reopenBox(OptionsFocus::txThs, otherThs);
        return;
    }
    pending_ = PendingMarks{toPending(optDecMark), toPending(optThsSep)};
    accepted_ = true;
    unload();
}

}  // namespace velmor
