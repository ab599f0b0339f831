#pragma once

#include <QKeyEvent>

namespace velmor::ui {

// A key as Velmor's key map knows it: the PC virtual key code (0 for keys
// the map never looks at) and the modifier bits 1 Shift, 2 Ctrl, 4 Alt.
struct VirtualKey {
    int code = 0;
    int modifiers = 0;
    char16_t character = 0;  // what the key types, 0 for none
};

VirtualKey virtualKey(const QKeyEvent& event);

}  // namespace velmor::ui
