// The main window's key map: moving the entry box between fields, choosing
// rounding options and closing the program from the keyboard.
#include <array>

#include "input/key_codes.h"
#include "shell/fm_main.h"

namespace velmor {
namespace {

// Field tables: the new field for each active field 0..8. Tab visits byte,
// kB, KiB, MB, MiB, GB, GiB, TB, TiB; Up and Down walk a column and wrap
// through the byte field (with Shift, from bytes into the binary column).
using FieldTable = std::array<int, kFieldCount>;
constexpr FieldTable kNext{1, 5, 6, 7, 8, 2, 3, 4, 0};
constexpr FieldTable kPrevious{8, 0, 5, 6, 7, 1, 2, 3, 4};
constexpr FieldTable kUpward{1, 2, 3, 4, 0, 6, 7, 8, 0};
constexpr FieldTable kDownward{4, 0, 1, 2, 3, 0, 5, 6, 7};
constexpr FieldTable kPartner{0, 5, 6, 7, 8, 1, 2, 3, 4};
constexpr int kBinaryUpFromBytes = 5;
constexpr int kBinaryDownFromBytes = 8;

// B, K, M, G, T: the magnitude of the decimal unit they name, or -1.
int magnitudeOf(std::int16_t keyCode) {
    constexpr std::array<char, 5> kLetters{'B', 'K', 'M', 'G', 'T'};
    for (std::size_t m = 0; m < kLetters.size(); ++m) {
        if (keyCode == kLetters[m]) return static_cast<int>(m);
    }
    return -1;
}

}  // namespace

bool FmMain::keyDown(int keyCode, int shift) {
    auto code = static_cast<std::int16_t>(keyCode);
    Form_KeyDown(code, static_cast<std::int16_t>(shift));
    return code == 0;
}

char16_t FmMain::keyPress(char16_t keyAscii) {
    if (keyAscii != 0) Form_KeyPress(keyAscii);
    if (keyAscii != 0 && windowOpen) txNum_KeyPress(keyAscii);
    return windowOpen ? keyAscii : 0;
}

bool typesWith(int modifiers) {
    return (modifiers & (kCtrlBit | kAltBit)) == 0;
}

KeyOutcome FmMain::deliverKey(const Key& key) {
    const bool consumed = keyDown(key.code, key.modifiers);
    const char16_t character = typesWith(key.modifiers) ? key.character : 0;
    const char16_t typed = character != 0 ? keyPress(character) : 0;
    if (typed >= kFirstPrintable) {
        txNum.typeCharacter(typed);
        return KeyOutcome::Typed;
    }
    const bool editing = typed == kKeyBackspace || (character == 0 && !consumed);
    return editing && windowOpen ? KeyOutcome::LeftToTheBox : KeyOutcome::Handled;
}

// Tests the key in a fixed order, each test seeing the code as the earlier
// ones left it, so one key press triggers at most one action.
void FmMain::Form_KeyDown(std::int16_t& keyCode, std::int16_t shift) {
    const bool withShift = (shift & kShiftBit) != 0;
    const bool withCtrl = (shift & kCtrlBit) != 0;
    const bool withAlt = (shift & kAltBit) != 0;
    const auto active = static_cast<std::size_t>(state.activeField);
    const std::u16string move = withCtrl ? kKeepDigits : kShownNumber;

    if (keyCode == kKeyTab && !withAlt) {  // Alt+Tab belongs to the desktop
        SetField((withShift ? kPrevious : kNext)[active], true, true, move);
        keyCode = 0;
    }
    if (const int m = magnitudeOf(keyCode); m >= 0) {
        // Shift picks the binary unit; Alt takes the number the field shows
        // instead of keeping the digits. Bytes have no binary twin.
        const int field = withShift && m > 0 ? m + 4 : m;
        SetField(field, true, true, withAlt ? kShownNumber : kKeepDigits);
        keyCode = 0;
    }
    if (keyCode == kKeyUp) {
        SetField(active == 0 && withShift ? kBinaryUpFromBytes : kUpward[active], true, true, move);
        keyCode = 0;
    }
    if (keyCode == kKeyDown) {
        SetField(active == 0 && withShift ? kBinaryDownFromBytes : kDownward[active], true, true,
                 move);
        keyCode = 0;
    }
    if (!withCtrl) {
        if (keyCode >= kKeyX && keyCode <= kKeyZ) {
            chRnd[static_cast<std::size_t>(keyCode - kKeyX)].setChecked(true);
            keyCode = 0;
        } else if (keyCode >= kKeyF1 && keyCode <= kKeyF4) {
            chDigit[static_cast<std::size_t>(keyCode - kKeyF1)].setChecked(true);
            keyCode = 0;
        }
    } else if (keyCode == kKeyLeft || keyCode == kKeyRight) {
        SetField(kPartner[active], true, true, kKeepDigits);
        keyCode = 0;
    }
}

void FmMain::Form_KeyPress(char16_t& keyAscii) {
    if (keyAscii == kKeyEscape) {
        keyAscii = 0;
        unloadWindow();
    } else if (keyAscii == kKeyTab) {
        keyAscii = 0;  // Tab moves the box; it never types a tab
    }
}

}  // namespace velmor
