#pragma once

#include <string>

#include "controls/combo_box.h"
#include "controls/command_button.h"
#include "controls/label.h"
#include "controls/text_box.h"
#include "platform/platform.h"
#include "shell/pending_marks.h"

namespace velmor {

// The controls of the options dialog that can hold the focus, in tab order.
enum class OptionsFocus { cbDec, txDec, cbThs, txThs, cmOptExit, cmOptCancel };

// The options dialog's logic: choosing the decimal mark and the thousand
// separator from two lists, or typing one character of one's own ("other"),
// with a live sample. The marks come in and go out through the pending
// slots; only an accepted OK hands marks back.
//
// The dialog's fields live for the whole run; its controls are made afresh
// by load() at each opening.
class FmOptions {
public:
    FmOptions(Platform& platform, PendingMarks& pending);
    FmOptions(const FmOptions&) = delete;
    FmOptions& operator=(const FmOptions&) = delete;

    // Opening: fresh controls, then the dialog's own load.
    void load();
    bool isOpen() const { return open_; }

    // What the user does.
    void focusOn(OptionsFocus target);
    void clickButton(OptionsFocus button);  // cmOptExit or cmOptCancel
    void pressEnter();
    void pressEscape() { cmOptCancel_Click(); }
    void closeBox() { unload(); }
    OptionsFocus focus() const { return focus_; }

    // The dialog's operations.
    void Form_Load() { firstActivate = true; }
    void Form_Activate();
    void Form_Unload();
    void cbDec_Click();
    void cbThs_Click();
    void txDec_Change();
    void txThs_Change();
    void txDec_GotFocus() { txDec.setSelection(0, TextBox::kToTheEnd); }
    void txThs_GotFocus() { txThs.setSelection(0, TextBox::kToTheEnd); }
    void txDec_LostFocus();
    void txThs_LostFocus();
    void cmOptExit_Click();
    void cmOptCancel_Click() { unload(); }
    void ShowSample();

    // Fields that outlive each opening.
    std::u16string optDecMark;
    std::u16string optThsSep;
    std::u16string otherDec;
    std::u16string otherThs;
    bool firstActivate = false;

    // Controls.
    Label Label1;
    Label Label2;
    ComboBox cbDec;
    TextBox txDec;
    ComboBox cbThs;
    TextBox txThs;
    Label lbSample;
    CommandButton cmOptExit;
    CommandButton cmOptCancel;

private:
    void makeControls();
    void unload();
    // Disables a box; when it holds the focus, the focus moves on to the
    // next control without the box's focus-lost operation.
    void disableBox(OptionsFocus box);
    void moveFocusOn();
    // Opens a box with `text` in it and gives it the focus.
    void reopenBox(OptionsFocus box, const std::u16string& text);
    bool marksAcceptable() const;
    TextBox& box(OptionsFocus which) { return which == OptionsFocus::txDec ? txDec : txThs; }

    Platform& platform_;
    PendingMarks& pending_;
    OptionsFocus focus_ = OptionsFocus::cbDec;
    bool open_ = false;
    bool accepted_ = false;
};

// Looks of the dialog's lists and boxes.
inline constexpr Rgb kOptionsWhite{255, 255, 255};
inline constexpr Rgb kOptionsSilver{192, 192, 192};
inline constexpr Rgb kOptionsWarning{255, 192, 192};

}  // namespace velmor
