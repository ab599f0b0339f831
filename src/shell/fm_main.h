#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/check_box.h"
#include "controls/label.h"
#include "controls/menu_item.h"
#include "controls/picture_box.h"
#include "controls/shape.h"
#include "controls/text_box.h"
#include "controls/timer.h"
#include "engine/calc_state.h"
#include "engine/shown_text.h"
#include "engine/unit_table.h"
#include "input/history.h"
#include "input/key_codes.h"
#include "platform/platform.h"
#include "shell/pending_marks.h"
#include "shell/settings_text.h"

namespace velmor {

// What became of a key the window delivered.
enum class KeyOutcome {
    Handled,       // the key map consumed it, or nothing got through to the box
    Typed,         // its character got through and was typed into the entry box
    LeftToTheBox,  // the entry box's own editing is to act on it
};

// Who closes the window or asks for a save: the user, who is told when the
// settings cannot be saved, or the session ending (a logout, a termination
// signal), which no message may hold up: the failure is only reported.
enum class Requester { User, Session };

// The main window's logic: the calculator state, the history and every
// control model of the window. Views and the scenario runner deliver events
// to the handlers (named control_event) and read the models afterwards.
//
// The member functions are defined beside the subsystem they belong to:
// engine/set_field.cpp, input/entry_box.cpp, input/key_map.cpp,
// input/mouse_selection.cpp, input/history_commands.cpp,
// input/clipboard_commands.cpp, shell/rounding_options.cpp, shell/banner.cpp,
// shell/start_up.cpp (with the settings file) and shell/help_commands.cpp.
class FmMain {
public:
    static constexpr int kDigitBoxes = 4;
    static constexpr int kRoundingBoxes = 3;

    FmMain(Platform& platform, PendingMarks& pending);
    FmMain(const FmMain&) = delete;
    FmMain& operator=(const FmMain&) = delete;

    // Window life. The close box, Exit and Esc all end in unloadWindow().
    void Form_Load();
    void Form_Activate();
    void Form_Unload(Requester requester = Requester::User);
    void windowFramed();
    void unloadWindow(Requester requester = Requester::User);

    // A key going down, seen by the window before the focused control:
    // true when the key map consumed it.
    bool keyDown(int keyCode, int shift);
    // A typed character through the window's and then the entry box's key
    // handling: returns what gets through (0 when it was dropped).
    char16_t keyPress(char16_t keyAscii);

    // A key as the window delivers it: key down through the key map, then,
    // unless Ctrl or Alt is held, its character through key press; a
    // character that gets through is typed into the entry box. What is left
    // to the box's own editing (Backspace whose character got through, and
    // keys that type nothing and that the key map left alone, while the
    // window is open) the caller does, as its kind of box does it.
    KeyOutcome deliverKey(const Key& key);

    // The window's key map. Modifier bits: kShiftBit, kCtrlBit, kAltBit.
    void Form_KeyDown(std::int16_t& keyCode, std::int16_t shift);
    void Form_KeyPress(char16_t& keyAscii);

    // Presses on a field's labels; any button counts, only Ctrl matters.
    void lbNum_MouseDown(int index, int button, int shift);
    void lbDec_MouseDown(int index, int button, int shift) {
        lbNum_MouseDown(index, button, shift);
    }
    void lbUnit_MouseDown(int index, int button, int shift) {
        lbNum_MouseDown(index, button, shift);
    }

    // Entry box and background.
    void txNum_KeyPress(char16_t& keyAscii);
    void txNum_Change();
    void txNum_Click();
    void txNum_DblClick();
    void pcBack_GotFocus();

    // Rounding option boxes.
    void chDigit_Click(int index);
    void chRnd_Click(int index);

    // Menu commands.
    void mnuExit_Click() { unloadWindow(); }
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuUndo_Click();
    void mnuRedo_Click();
    void mnuHelpConfig_Click();
    void mnuHelpHelp_Click();
    void mnuHelpAbout_Click();

    // The start-up banner's timer.
    void cmFlag_Timer();

    // Procedures of the window, public so that tests can drive them directly.
    // SetField's vl is the entry's new text, or one of these two modes.
    static constexpr char16_t kShownNumber[] = u"-";  // the number the field shows
    static constexpr char16_t kKeepDigits[] = u"*";   // the box's digits as they are
    void SetField(int nx, bool fl, bool ena, std::u16string vl);
    void Store();
    void CalcDx();
    void DisplayFields();
    void SetDigit(std::int16_t nx);
    void SetRnd(std::int16_t nx);
    Quantity CalcTextVal(std::u16string_view fd, bool systemMarks) const;
    void ShowFlag();
    void SaveSeps(Requester requester = Requester::User);

    // State beside the calculator state.
    CalcState state;
    History history;
    std::u16string decAliases;  // extra keys that type the decimal mark
    bool stickyCtrl = false;    // the next press on a field keeps the digits
    std::int16_t started = 0;
    bool windowOpen = true;

    // Control models.
    TextBox txNum;
    std::array<Shape, kFieldCount> shNum;
    std::array<Label, kFieldCount> lbNum;
    std::array<Label, kFieldCount> lbDec;
    std::array<Label, kFieldCount> lbSign;
    std::array<Label, kFieldCount> lbUnit;
    std::array<CheckBox, kDigitBoxes> chDigit;
    std::array<CheckBox, kRoundingBoxes> chRnd;
    Label lbDecimalHeading;
    Label lbBinaryHeading;
    std::array<Label, kDigitBoxes + kRoundingBoxes> llHot;  // llHot(15)..llHot(21): X Y Z F1..F4
    PictureBox pcButtons;
    Label lbMark;
    Timer cmFlag{1000};
    MenuItem mnuExit{VELMOR_TEXT("Velmor", "&Exit")};
    MenuItem mnuEditCopy{VELMOR_TEXT("Velmor", "&Copy")};
    MenuItem mnuEditPaste{VELMOR_TEXT("Velmor", "&Paste")};
    MenuItem mnuUndo{VELMOR_TEXT("Velmor", "&Undo")};
    MenuItem mnuRedo{VELMOR_TEXT("Velmor", "&Redo")};
    MenuItem mnuHelpConfig{VELMOR_TEXT("Velmor", "C&onfig")};
    MenuItem mnuHelp{VELMOR_TEXT("Velmor", "&Help")};  // opens its drop-down: Guide and About
    MenuItem mnuHelpHelp{VELMOR_TEXT("Velmor", "&Guide")};
    MenuItem mnuHelpAbout{VELMOR_TEXT("Velmor", "&About")};

private:
    void StartUp();
    void applySettings(const ReadSettings& saved);
    void moveWindowOnScreen(int left, int top);
    std::u16string shownNumberText(int field) const;
    void refreshPaste();

    Platform& platform_;
    PendingMarks& pending_;
    // The position start-up read, saved again where the desktop places the
    // window itself and its real position is unknown.
    int readLeft_ = 0;
    int readTop_ = 0;
};

// What Help > Guide opens: Velmor.chm beside the program when it is there,
// else the HTML guide in the first of the user's languages it exists in.
std::filesystem::path guideTarget(const Platform& platform);

// Looks of the entry box.
inline constexpr Rgb kEntryValid{255, 255, 192};
inline constexpr Rgb kEntryInvalid{255, 192, 192};
inline constexpr Rgb kEntryLatched{128, 128, 224};
inline constexpr Rgb kTextBlack{0, 0, 0};
inline constexpr Rgb kTextCopied{128, 128, 128};

}  // namespace velmor
