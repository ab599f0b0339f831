// The main window's life: loading, activation, start-up and closing.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <tuple>

#include "engine/field_display.h"
#include "input/number_text.h"
#include "shell/fm_main.h"
#include "shell/settings_file.h"
#include "shell/text_encoding.h"
#include "shell/window_placement.h"

namespace velmor {

void FmMain::Form_Load() {
    platform_.seedRandomFromClock();
    started = 0;
    pending_ = PendingMarks{};
    ShowFlag();
}

// Runs at every activation: the first starts the calculator; a later one
// applies marks the options dialog handed back.
void FmMain::Form_Activate() {
    if (!pending_.pendDecMark.empty()) {
        state.decMark = pending_.pendDecMark;
        state.thsSep = pending_.pendThsSep;
        pending_ = PendingMarks{};
        decAliases = decimalAliases(state.decMark, state.thsSep);
        // The current value again, in the new marks.
        const Quantity value = state.entryValue;
        SetField(state.activeField, true, true,
                 FormatVal(value.integerPart(), value.fraction(), state.digits, state.decMark,
                           state.thsSep));
        // Saved only now, so that the file's entry is written in its marks.
        SaveSeps();
    }
    if (started == 0) StartUp();
    txNum.focused = true;
}

void FmMain::Form_Unload(Requester requester) {
    SaveSeps(requester);
}

// Opens the options dialog with the marks in force; what it hands back is
// applied at the next activation.
void FmMain::mnuHelpConfig_Click() {
    CalcDx();
    pending_ = PendingMarks{state.decMark, state.thsSep};
    platform_.showOptionsDialog();
}

// A session that ends while the user still reads why a save failed closes
// the window from within that message: the save is tried once more and the
// program ends.
void FmMain::unloadWindow(Requester requester) {
    if (!windowOpen) return;
    Form_Unload(requester);
    windowOpen = false;
    platform_.endProgram();
}

void FmMain::StartUp() {
    started = 1;
    history = History{};

    std::tie(state.decMark, state.thsSep) = systemMarks(platform_);
    decAliases = decimalAliases(state.decMark, state.thsSep);

    const ReadSettings saved = loadSettings(platform_);
    applySettings(saved);

    state.coveredField = -1;
    SetField(saved.field.value_or(0), true, true, saved.entryText.value_or(u"0"));
    Store();
    mnuUndo.enabled = false;
}

// Applies what the settings file holds; every value it lacks keeps its
// default.
void FmMain::applySettings(const ReadSettings& saved) {
    readLeft_ = saved.left.value_or(0);
    readTop_ = saved.top.value_or(0);
    moveWindowOnScreen(readLeft_, readTop_);
    if (saved.decMark) state.decMark = *saved.decMark;
    if (saved.thsSep) state.thsSep = *saved.thsSep;
    // Equal marks would make every number unreadable.
    if (state.thsSep == state.decMark) state.thsSep.clear();
    decAliases = decimalAliases(state.decMark, state.thsSep);

    state.rndMode = saved.rndMode.value_or(1);
    SetRnd(state.rndMode);
    state.digits = saved.digits.value_or(1);
    SetDigit(state.digits);
}

// Moves the window, keeping all of it on one screen.
void FmMain::moveWindowOnScreen(int left, int top) {
    if (!platform_.placesWindows()) return;
    Rect frame = platform_.windowFrame();
    frame.left = left;
    frame.top = top;
    const Rect placed = placeOnScreen(frame, platform_.screenAreas());
    platform_.moveWindow(placed.left, placed.top);
}

// The window is shown and framed: only now is its frame's full size known,
// which start-up placed without the window manager's border and caption. A
// frame that reaches off the screen is brought back whole; one that fits
// stays exactly where it is.
void FmMain::windowFramed() {
    if (!platform_.placesWindows()) return;
    const Rect frame = platform_.windowFrame();
    const Rect placed = placeOnScreen(frame, platform_.screenAreas());
    if (placed != frame) platform_.moveWindow(placed.left, placed.top);
}

void FmMain::SaveSeps(Requester requester) {
    Rect frame = platform_.windowFrame();
    if (!platform_.placesWindows()) {
        frame.left = readLeft_;
        frame.top = readTop_;
    }
    if (saveSettings(platform_,
                     Settings{frame.left, frame.top, state.decMark, state.thsSep, state.rndMode,
                              state.digits, txNum.text(), state.activeField})) {
        return;
    }
    // The session's settings are lost: say so, naming the file and the
    // system's reason, so that the user can make room or mend the folder.
    const int error = errno;
    const std::filesystem::path file = lastSaveTarget(platform_);
    const UserMessage message =
        file.empty()
            ? UserMessage{VELMOR_TEXT("Velmor",
                                      "Velmor could not save its settings: there is no home "
                                      "folder to keep them in."),
                          {}}
            : UserMessage{VELMOR_TEXT("Velmor", "Velmor could not save its settings in %1: %2."),
                          {file.u16string(), decodeUtf8(std::strerror(error))}};
    if (requester == Requester::User) {
        platform_.tellUser(message);
    } else {
        platform_.reportQuietly(message);
    }
}

}  // namespace velmor
