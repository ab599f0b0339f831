#include "scenario/key_names.h"

#include <gtest/gtest.h>

#include "input/key_codes.h"

namespace velmor::scenario {
namespace {

void expectKey(std::string_view chord, int code, int modifiers, char16_t character) {
    const auto key = keyChord(chord);
    ASSERT_TRUE(key.has_value()) << chord;
    EXPECT_EQ(key->code, code) << chord;
    EXPECT_EQ(key->modifiers, modifiers) << chord;
    EXPECT_EQ(key->character, character) << chord;
}

TEST(KeyChord, NamedKeysCarryTheirCodeAndCharacter) {
    expectKey("Tab", kKeyTab, 0, 9);
    expectKey("Enter", kKeyEnter, 0, 13);
    expectKey("Esc", kKeyEscape, 0, 27);
    expectKey("Backspace", kKeyBackspace, 0, 8);
    expectKey("Delete", kKeyDelete, 0, 0);
    expectKey("Home", 36, 0, 0);
    expectKey("End", 35, 0, 0);
    expectKey("Left", 37, 0, 0);
    expectKey("Up", 38, 0, 0);
    expectKey("Right", 39, 0, 0);
    expectKey("Down", 40, 0, 0);
}

TEST(KeyChord, LettersTypeLowerCaseUnlessShiftIsHeld) {
    expectKey("K", 'K', 0, u'k');
    expectKey("Shift+K", 'K', kShiftBit, u'K');
    expectKey("Ctrl+Z", 'Z', kCtrlBit, u'z');
    expectKey("7", '7', 0, u'7');
}

TEST(KeyChord, FunctionKeysRunFromF1ToF12) {
    expectKey("F1", 112, 0, 0);
    expectKey("F", 'F', 0, u'f');  // the letter
    expectKey("Ctrl+Shift+Alt+F12", 123, kCtrlBit | kShiftBit | kAltBit, 0);
    for (const char* unknown : {"F0", "F13", "F1x", "Space", "a", "Meta+A", "Ctrl+", ""})
        EXPECT_FALSE(keyChord(unknown).has_value()) << unknown;
}

TEST(KeyTyping, MapsCharactersToTheirKeysOnAUsKeyboard) {
    EXPECT_EQ(keyTyping(u'b').code, 'B');
    EXPECT_EQ(keyTyping(u'b').modifiers, 0);
    EXPECT_EQ(keyTyping(u'B').modifiers, kShiftBit);
    EXPECT_EQ(keyTyping(u'B').character, u'B');
    EXPECT_EQ(keyTyping(u'5').code, '5');
    EXPECT_EQ(keyTyping(u'.').code, 0);  // a key the key map ignores
    EXPECT_EQ(keyTyping(u'.').character, u'.');
}

}  // namespace
}  // namespace velmor::scenario
