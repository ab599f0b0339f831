// Pressing a field's labels makes that field the active one.
#include "input/key_codes.h"
#include "shell/fm_main.h"

namespace velmor {

// Ctrl, or the latch a click on the entry box sets, keeps the typed digits
// (now read in the pressed field's unit); otherwise the box takes the number
// the pressed field shows, so the quantity stays the same.
void FmMain::lbNum_MouseDown(int index, int /*button*/, int shift) {
    const bool keepDigits = (shift & kCtrlBit) != 0 || stickyCtrl;
    SetField(index, true, true, keepDigits ? kKeepDigits : kShownNumber);
    stickyCtrl = false;
    // After the recomputation: this also covers the red of an invalid entry
    // until its text next changes.
    txNum.back = kEntryValid;
}

}  // namespace velmor
