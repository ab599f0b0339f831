#include "ui/qt_keys.h"

#include <array>

namespace velmor::ui {
namespace {

// The keys Qt names that the key map or the entry box knows by name, and the
// character each types (0 for none).
struct NamedKey {
    int qtKey;
    int code;
    char16_t character;
};

constexpr std::array<NamedKey, 12> kNamedKeys{{
    {Qt::Key_Tab, kKeyTab, kKeyTab},
    {Qt::Key_Return, kKeyEnter, kKeyEnter},
    {Qt::Key_Enter, kKeyEnter, kKeyEnter},
    {Qt::Key_Escape, kKeyEscape, kKeyEscape},
    {Qt::Key_Backspace, kKeyBackspace, kKeyBackspace},
    {Qt::Key_Delete, kKeyDelete, 0},
    {Qt::Key_Home, kKeyHome, 0},
    {Qt::Key_End, kKeyEnd, 0},
    {Qt::Key_Left, kKeyLeft, 0},
    {Qt::Key_Up, kKeyUp, 0},
    {Qt::Key_Right, kKeyRight, 0},
    {Qt::Key_Down, kKeyDown, 0},
}};

// A run of keys Qt numbers in a row, as the run of codes they stand for.
struct KeyRange {
    int firstQtKey;
    int lastQtKey;
    int firstCode;
};

constexpr std::array<KeyRange, 3> kKeyRanges{{
    {Qt::Key_F1, Qt::Key_F12, kKeyF1},
    {Qt::Key_A, Qt::Key_Z, kKeyA},
    {Qt::Key_0, Qt::Key_9, kKey0},
}};

}  // namespace

Key virtualKey(const QKeyEvent& event) {
    Key key;
    const Qt::KeyboardModifiers mods = event.modifiers();
    key.modifiers = (mods & Qt::ShiftModifier ? kShiftBit : 0) |
                    (mods & Qt::ControlModifier ? kCtrlBit : 0) |
                    (mods & Qt::AltModifier ? kAltBit : 0);
    int qtKey = event.key();
    if (qtKey == Qt::Key_Backtab) {  // Shift+Tab
        qtKey = Qt::Key_Tab;
        key.modifiers |= kShiftBit;
    }
    bool named = false;
    for (const NamedKey& k : kNamedKeys) {
        if (k.qtKey == qtKey) {
            key.code = k.code;
            key.character = k.character;
            named = true;
        }
    }
    if (!named) {
        for (const KeyRange& range : kKeyRanges) {
            if (qtKey >= range.firstQtKey && qtKey <= range.lastQtKey)
                key.code = range.firstCode + (qtKey - range.firstQtKey);
        }
        if (event.text().size() == 1 && event.text().at(0).unicode() >= kFirstPrintable) {
            key.character = event.text().at(0).unicode();
        }
    }
    // Whether a key with Ctrl or Alt types anything is the core's rule
    // (FmMain::deliverKey), not the view's.
    return key;
}

QKeyEvent withoutText(const QKeyEvent& event) {
    return QKeyEvent(event.type(), event.key(), event.modifiers(), event.nativeScanCode(),
                     event.nativeVirtualKey(), event.nativeModifiers(), QString(),
                     event.isAutoRepeat(), event.count(), event.device());
}

}  // namespace velmor::ui
