#include "ui/key_codes.h"

namespace velmor::ui {

VirtualKey virtualKey(const QKeyEvent& event) {
    VirtualKey key;
    const Qt::KeyboardModifiers mods = event.modifiers();
    key.modifiers = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                    (mods & Qt::AltModifier ? 4 : 0);
    const int qtKey = event.key();
    switch (qtKey) {
        case Qt::Key_Tab:
            key = {9, key.modifiers, 9};
            break;
        case Qt::Key_Backtab:  // Shift+Tab
            key = {9, key.modifiers | 1, 9};
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = {13, key.modifiers, 13};
            break;
        case Qt::Key_Escape:
            key = {27, key.modifiers, 27};
            break;
        case Qt::Key_Backspace:
            key = {8, key.modifiers, 8};
            break;
        case Qt::Key_Delete:
            key.code = 46;
            break;
        case Qt::Key_Home:
            key.code = 36;
            break;
        case Qt::Key_End:
            key.code = 35;
            break;
        case Qt::Key_Left:
            key.code = 37;
            break;
        case Qt::Key_Up:
            key.code = 38;
            break;
        case Qt::Key_Right:
            key.code = 39;
            break;
        case Qt::Key_Down:
            key.code = 40;
            break;
        default:
            if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) key.code = 112 + (qtKey - Qt::Key_F1);
            if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) key.code = 'A' + (qtKey - Qt::Key_A);
            if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) key.code = '0' + (qtKey - Qt::Key_0);
            if (event.text().size() == 1 && event.text().at(0).unicode() >= 32) {
                key.character = event.text().at(0).unicode();
            }
            break;
    }
    // With Ctrl or Alt held a key types nothing.
    if ((key.modifiers & 6) != 0) key.character = 0;
    return key;
}

}  // namespace velmor::ui
