// The main window's life: loading, activation and start-up.
#include "input/number_text.h"
#include "shell/fm_main.h"

namespace velmor {

void FmMain::Form_Load() {
    platform_.seedRandomFromClock();
    started = 0;
    ShowFlag();
}

void FmMain::Form_Activate() {
    if (started == 0) StartUp();
    txNum.setFocus();
}

void FmMain::unloadWindow() {
    if (!windowOpen) return;
    windowOpen = false;
    platform_.endProgram();
}

void FmMain::StartUp() {
    started = 1;
    history = History{};

    const std::u16string seps = GetSysSeps(platform_);
    state.decMark = seps.empty() ? u"." : seps.substr(0, 1);
    state.thsSep = seps.size() < 2 ? u"" : seps.substr(1, 1);
    decAliases = decimalAliases(state.decMark, state.thsSep);

    SetRnd(1);
    SetDigit(1);
    state.activeField = 0;
    state.coveredField = -1;
    state.entryStored = true;
    SetField(0, true, true, u"0");
    Store();
    mnuUndo.setEnabled(false);
}

}  // namespace velmor
