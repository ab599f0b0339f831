#pragma once

// The keys Velmor's key map and entry box know, by their PC virtual key
// codes, and the modifier bits that come with them. Every view and every
// driver of the core names keys through these.

namespace velmor {

// Modifier bits, combined with |.
inline constexpr int kShiftBit = 1;
inline constexpr int kCtrlBit = 2;
inline constexpr int kAltBit = 4;

// Virtual key codes. Letters and digits are their upper-case ASCII codes.
inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeyEscape = 27;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;
inline constexpr int kKeyDelete = 46;
inline constexpr int kKey0 = '0';
inline constexpr int kKeyA = 'A';
inline constexpr int kKeyX = 'X';
inline constexpr int kKeyZ = 'Z';
inline constexpr int kKeyF1 = 112;
inline constexpr int kKeyF4 = 115;
inline constexpr int kKeyF12 = 123;

// The first character a key types into the text rather than controlling the
// box (Backspace, Tab, Enter and Esc type control characters below it).
inline constexpr char16_t kFirstPrintable = 32;

// A key as the key map and the entry box see it: its virtual key code (0
// for keys the map never looks at), the modifier bits held, and the
// character it types (0 for none).
struct Key {
    int code = 0;
    int modifiers = 0;
    char16_t character = 0;
};

// Whether a key held with these modifier bits types its character: Ctrl and
// Alt make a key a command (a shortcut, a menu's letter), never a character
// in a box.
bool typesWith(int modifiers);

// The key that types a character on a US keyboard: a lower-case letter is
// its letter key, an upper-case letter the same key with Shift, a digit its
// digit key, any other character a key the key map ignores.
constexpr Key keyTyping(char16_t c) {
    if (c >= u'a' && c <= u'z') return {c - u'a' + kKeyA, 0, c};
    if (c >= u'A' && c <= u'Z') return {c, kShiftBit, c};
    if (c >= u'0' && c <= u'9') return {c, 0, c};
    return {0, 0, c};
}

}  // namespace velmor
