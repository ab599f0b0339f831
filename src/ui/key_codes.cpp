#include "ui/key_codes.h"

namespace velmor::ui {

Key virtualKey(const QKeyEvent& event) {
    Key key;
    const Qt::KeyboardModifiers mods = event.modifiers();
    key.modifiers = (mods & Qt::ShiftModifier ? kShiftBit : 0) |
                    (mods & Qt::ControlModifier ? kCtrlBit : 0) |
                    (mods & Qt::AltModifier ? kAltBit : 0);
    const int qtKey = event.key();
    switch (qtKey) {
        case Qt::Key_Tab:
            key = {kKeyTab, key.modifiers, kKeyTab};
            break;
        case Qt::Key_Backtab:  // Shift+Tab
            key = {kKeyTab, key.modifiers | kShiftBit, kKeyTab};
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = {kKeyEnter, key.modifiers, kKeyEnter};
            break;
        case Qt::Key_Escape:
            key = {kKeyEscape, key.modifiers, kKeyEscape};
            break;
        case Qt::Key_Backspace:
            key = {kKeyBackspace, key.modifiers, kKeyBackspace};
            break;
        case Qt::Key_Delete:
            key.code = kKeyDelete;
            break;
        case Qt::Key_Home:
            key.code = kKeyHome;
            break;
        case Qt::Key_End:
            key.code = kKeyEnd;
            break;
        case Qt::Key_Left:
            key.code = kKeyLeft;
            break;
        case Qt::Key_Up:
            key.code = kKeyUp;
            break;
        case Qt::Key_Right:
            key.code = kKeyRight;
            break;
        case Qt::Key_Down:
            key.code = kKeyDown;
            break;
        default:
            if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
                key.code = kKeyF1 + (qtKey - Qt::Key_F1);
            if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) key.code = kKeyA + (qtKey - Qt::Key_A);
            if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) key.code = kKey0 + (qtKey - Qt::Key_0);
            if (event.text().size() == 1 && event.text().at(0).unicode() >= kFirstPrintable) {
                key.character = event.text().at(0).unicode();
            }
            break;
    }
    // With Ctrl or Alt held a key types nothing.
    if ((key.modifiers & (kCtrlBit | kAltBit)) != 0) key.character = 0;
    return key;
}

}  // namespace velmor::ui
