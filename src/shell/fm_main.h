#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "controls/check_box.h"
#include "controls/label.h"
#include "controls/menu_item.h"
#include "controls/shape.h"
#include "controls/text_box.h"
#include "engine/calc_state.h"
#include "engine/unit_table.h"
#include "input/history.h"
#include "platform/platform.h"

namespace velmor {

// The main window's logic: the calculator state, the history and every
// control model of the window. Views and the scenario runner deliver events
// to the handlers (named control_event) and read the models afterwards.
//
// The member functions are defined beside the subsystem they belong to:
// engine/set_field.cpp, input/entry_box.cpp, input/history_commands.cpp,
// shell/rounding_options.cpp and shell/start_up.cpp.
class FmMain {
public:
    static constexpr int kDigitBoxes = 4;
    static constexpr int kRoundingBoxes = 3;

    explicit FmMain(Platform& platform);
    FmMain(const FmMain&) = delete;
    FmMain& operator=(const FmMain&) = delete;

    // Window life.
    void Form_Load();
    void Form_Activate();

    // A typed character after the window's key handling: returns what the
    // entry box's filter lets through (0 when it drops the character).
    char16_t keyPress(char16_t keyAscii);

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
    void mnuUndo_Click();
    void mnuRedo_Click();

    // Procedures of the window, public so that tests can drive them directly.
    void SetField(int nx, bool fl, bool ena, std::u16string vl);
    void Store();
    void CalcDx();
    void DisplayFields();
    void SetDigit(std::int16_t nx);
    void SetRnd(std::int16_t nx);
    Quantity CalcTextVal(std::u16string_view fd, bool systemMarks) const;

    // State beside the calculator state.
    CalcState state;
    History history;
    std::u16string decAliases;  // extra keys that type the decimal mark
    bool stickyCtrl = false;    // the next press on a field keeps the digits
    std::int16_t started = 0;

    // Control models.
    TextBox txNum;
    std::array<Shape, kFieldCount> shNum;
    std::array<Label, kFieldCount> lbNum;
    std::array<Label, kFieldCount> lbDec;
    std::array<Label, kFieldCount> lbSign;
    std::array<Label, kFieldCount> lbUnit;
    std::array<CheckBox, kDigitBoxes> chDigit;
    std::array<CheckBox, kRoundingBoxes> chRnd;
    MenuItem mnuEditCopy{u"&Copy"};
    MenuItem mnuEditPaste{u"&Paste"};
    MenuItem mnuUndo{u"&Undo"};
    MenuItem mnuRedo{u"&Redo"};

private:
    void StartUp();
    std::u16string shownNumberText(int field) const;
    void refreshPaste();

    Platform& platform_;
};

// Looks of the entry box.
inline constexpr Rgb kEntryValid{255, 255, 192};
inline constexpr Rgb kEntryInvalid{255, 192, 192};
inline constexpr Rgb kEntryLatched{128, 128, 224};
inline constexpr Rgb kTextBlack{0, 0, 0};

}  // namespace velmor
