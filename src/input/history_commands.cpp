// Storing entries and walking the history with Undo and Redo.
#include "shell/fm_main.h"

namespace velmor {

void FmMain::Store() {
    history.store(txNum.text(), state.activeField);
    mnuUndo.enabled = true;
    state.entryStored = true;
}

void FmMain::mnuUndo_Click() {
    if (history.pos() > 0) {
        state.entryStored = true;
        const History::Entry entry = history.entry(history.pos());
        SetField(entry.field, true, true, entry.text);
        history.setPos(history.pos() - 1);
        if (history.pos() < 1) mnuUndo.enabled = false;
    }
    mnuRedo.enabled = true;
}

void FmMain::mnuRedo_Click() {
    if (!history.holds(history.pos() + 1)) {
        mnuRedo.enabled = false;
        return;
    }
    state.entryStored = true;
    history.setPos(history.pos() + 1);
    const History::Entry entry = history.entry(history.pos());
    SetField(entry.field, true, true, entry.text);
    mnuUndo.enabled = true;
    // At the last slot Redo stays enabled; the next Redo finds nothing and disables it.
    if (history.pos() < History::kCapacity && !history.holds(history.pos() + 1)) {
        mnuRedo.enabled = false;
    }
}

}  // namespace velmor
