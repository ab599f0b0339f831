#include "shell/settings_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "shell/text_encoding.h"

namespace velmor {
namespace {

using namespace std::string_view_literals;

const std::u16string kTitle = u"Velmor (https://velmor.example)\r\n";

TEST(SettingsText, WritesSixLinesInTheirFixedForm) {
    const Settings settings{1500, -45, u",", u"\u00A0", 0, 3, u"1\u00A0234,5", 2};
    EXPECT_EQ(formatSettings(settings), kTitle +
                                            u"1500,-45\r\n"
                                            u"\",\"\r\n"
                                            u"\"\u00A0\"\r\n"
                                            u"0,3\r\n"
                                            u"\"1\u00A0234,5\",2\r\n");
    EXPECT_EQ(formatSettings(Settings{0, 0, u".", u"", 1, 1, u"", 0}),
              kTitle + u"0,0\r\n\".\"\r\n\"\"\r\n1,1\r\n\"\",0\r\n");
}

TEST(SettingsText, WritesThePositionInPlainDecimalsAsASingle) {
    const struct {
        std::int32_t left, top;
        std::u16string line;
    } cases[] = {
        {300000, 150000, u"300000,150000"},
        {-1000000, 1000000000, u"-1000000,1000000000"},
        {-45, 0, u"-45,0"},
        // Single precision keeps 24 bits: 123456789 is 123456792 as a single.
        {123456789, 16777217, u"123456792,16777216"},
        {std::numeric_limits<std::int32_t>::min(), 20000000, u"-2147483648,20000000"},
    };
    for (const auto& c : cases) {
        const std::u16string text =
            formatSettings(Settings{c.left, c.top, u".", u",", 1, 1, u"0", 0});
        EXPECT_EQ(text.substr(kTitle.size(), c.line.size() + 2), c.line + u"\r\n");
        const ReadSettings read = parseSettings(text);
        EXPECT_EQ(read.left, static_cast<std::int32_t>(static_cast<float>(c.left)));
        EXPECT_EQ(read.top, static_cast<std::int32_t>(static_cast<float>(c.top)));
    }
}

TEST(SettingsText, ReadsBackEveryMarkAndEntryAsWritten) {
    const std::u16string marks[] = {u".", u",", u":",      u"-",  u"|",  u"\u00B7", u"\u2022",
                                    u"*", u"'", u"\u00A0", u"\"", u"ab", u" "};
    for (const std::u16string& mark : marks) {
        const Settings written{7, 8, mark, u"x", 2, 0, u"1" + mark + u"5,\"q\"", 8};
        const ReadSettings read = parseSettings(formatSettings(written));
        EXPECT_EQ(read.decMark, mark);
        EXPECT_EQ(read.thsSep, u"x");
        EXPECT_EQ(read.entryText, written.entryText);
        EXPECT_EQ(read.left, 7);
        EXPECT_EQ(read.top, 8);
        EXPECT_EQ(read.rndMode, 2);
        EXPECT_EQ(read.digits, 0);
        EXPECT_EQ(read.field, 8);
    }
}

struct ReadCase {
    const char* what;
    std::u16string text;
    ReadSettings expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.what;
}

class ReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadTest, KeepsWhatItCanAndLeavesTheRestEmpty) {
    const ReadCase& c = GetParam();
    const ReadSettings read = parseSettings(c.text);
    EXPECT_EQ(read.left, c.expected.left);
    EXPECT_EQ(read.top, c.expected.top);
    EXPECT_EQ(read.decMark, c.expected.decMark);
    EXPECT_EQ(read.thsSep, c.expected.thsSep);
    EXPECT_EQ(read.rndMode, c.expected.rndMode);
    EXPECT_EQ(read.digits, c.expected.digits);
    EXPECT_EQ(read.entryText, c.expected.entryText);
    EXPECT_EQ(read.field, c.expected.field);
}

const std::u16string kSix = u"t\r\n10,20\r\n\",\"\r\n\".\"\r\n0,2\r\n\"5\",3\r\n";
const ReadSettings kSixRead{10, 20, u",", u".", 0, 2, u"5", 3};

INSTANTIATE_TEST_SUITE_P(
    Files, ReadTest,
    ::testing::Values(
        ReadCase{"empty", u"", {}}, ReadCase{"title only", u"t\r\n", {}},
        ReadCase{"two lines", u"t\r\n10,20\r\n", {10, 20}},
        ReadCase{"three lines", u"t\r\n10,20\r\n\",\"", {10, 20, u","}},
        ReadCase{"four lines", u"t\r\n10,20\r\n\",\"\r\n\".\"\r\n", {10, 20, u",", u"."}},
        ReadCase{
            "five lines", u"t\r\n10,20\r\n\",\"\r\n\".\"\r\n0,2\r\n", {10, 20, u",", u".", 0, 2}},
        ReadCase{"six lines", kSix, kSixRead},
        ReadCase{"extra lines", kSix + u"more\r\nand more\r\n", kSixRead},
        ReadCase{"byte order mark", u"\uFEFF" + kSix, kSixRead},
        ReadCase{"LF endings", u"t\n10,20\n\",\"\n\".\"\n0,2\n\"5\",3\n", kSixRead},
        ReadCase{"a quoted entry ending in a comma",
                 u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"12,\",3\r\n",
                 {0, 0, u".", u",", 1, 1, u"12,", 3}},
        ReadCase{"the largest numbers",
                 u"t\r\n2147483647,-2147483648\r\n\".\"\r\n\",\"\r\n32767,-32768\r\n",
                 {2147483647, -2147483648, u".", u",", 32767, -32768}},
        ReadCase{"empty numbers",
                 u"t\r\n,\r\n\".\"\r\n\",\"\r\n,\r\n\"5\",\r\n",
                 {{}, {}, u".", u",", {}, {}, u"5", {}}},
        ReadCase{"spaces and fractions", u"t\r\n 10.4 , 19.5 \r\n", {10, 20}},
        ReadCase{"halves to even", u"t\r\n10.5,11.5\r\n", {10, 12}},
        ReadCase{"out of range",
                 u"t\r\n3000000000,1e999\r\n\".\"\r\n\".\"\r\n40000,-40000\r\n",
                 {std::nullopt, std::nullopt, u".", u".", std::nullopt, std::nullopt}},
        ReadCase{"not numbers",
                 u"t\r\nleft,0x10\r\n\".\"\r\n\",\"\r\n+1,\r\n\"7\",two\r\n",
                 {std::nullopt, std::nullopt, u".", u",", std::nullopt, std::nullopt, u"7"}},
        ReadCase{"field outside the window",
                 u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"7\",9\r\n",
                 {0, 0, u".", u",", 1, 1, u"7"}},
        ReadCase{"empty and digit marks", u"t\r\n0,0\r\n\"\"\r\n\"4\"\r\n", {0, 0}},
        ReadCase{"control character marks",
                 std::u16string(u"t\r\n0,0\r\n\"\t\"\r\n\"\0\"\r\n"sv),
                 {0, 0}},
        ReadCase{
            "delete and C1 control marks", u"t\r\n0,0\r\n\"\u007F\"\r\n\"\u0080\"\r\n", {0, 0}},
        ReadCase{"last C1 control in a mark",
                 u"t\r\n0,0\r\n\".\u009F\"\r\n\"\u00A0\"\r\n",
                 {0, 0, std::nullopt, u"\u00A0"}},
        ReadCase{"quote as a mark", u"t\r\n0,0\r\n\"\"\"\r\n", {0, 0, u"\""}},
        ReadCase{"unquoted texts",
                 u"t\r\n0,0\r\n;\r\n'\r\n1,1\r\n12,4\r\n",
                 {0, 0, u";", u"'", 1, 1, u"12", 4}},
        ReadCase{"unterminated quote", u"t\r\n0,0\r\n\"#\r\n", {0, 0, u"#"}},
        ReadCase{"entries the entry box can hold",
                 u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"  1234567890123456789012345  \",2\r\n",
                 {0, 0, u".", u",", 1, 1, u"  1234567890123456789012345  ", 2}},
        ReadCase{"an entry longer than the entry box",
                 u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"12345678901234567890123456\",2\r\n",
                 {0, 0, u".", u",", 1, 1, std::nullopt, 2}},
        ReadCase{"an entry with a tab",
                 u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"1\t2\",2\r\n",
                 {0, 0, u".", u",", 1, 1, std::nullopt, 2}},
        ReadCase{"an entry with a C1 control",
                 u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"12\u0085\",2\r\n",
                 {0, 0, u".", u",", 1, 1, std::nullopt, 2}},
        ReadCase{"an entry with a null",
                 std::u16string(u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"\0\",2\r\n"sv),
                 {0, 0, u".", u",", 1, 1, std::nullopt, 2}},
        ReadCase{"an entry that does not parse",
                 u"t\r\n0,0\r\n\".\"\r\n\",\"\r\n1,1\r\n\"twelve \u00BD\",2\r\n",
                 {0, 0, u".", u",", 1, 1, u"twelve \u00BD", 2}},
        ReadCase{"more fields than needed",
                 u"t\r\n1500,1200,7\r\n\",\",x\r\n\".\",y\r\n2,3,9\r\n\"1,5\",3,0\r\n",
                 {1500, 1200, u",", u".", 2, 3, u"1,5", 3}},
        ReadCase{"more fields unquoted",
                 u"t\r\n1,2,\r\n;,x\r\n',y\r\n0,0,\r\n12,4,6\r\n",
                 {1, 2, u";", u"'", 0, 0, u"12", 4}},
        ReadCase{"text after a closing quote",
                 u"t\r\n0,0\r\n\".\" x\r\n\",\"\r\n1,1\r\n\"5\" x,4\r\n",
                 {0, 0, u".", u",", 1, 1, u"5", 4}}));

TEST(SettingsText, ReadsAWindows1252FileAndAUtf8File) {
    const std::string windows = "t\r\n0,0\r\n\"\xB7\"\r\n\"\xA0\"\r\n";
    EXPECT_EQ(detectEncoding(windows), Encoding::Windows1252);
    EXPECT_EQ(parseSettings(decodeWindows1252(windows)).decMark, u"\u00B7");
    EXPECT_EQ(parseSettings(decodeWindows1252(windows)).thsSep, u"\u00A0");

    const std::string utf8 = "t\r\n0,0\r\n\"\xC2\xB7\"\r\n\"\xE2\x80\xAF\"\r\n";
    EXPECT_EQ(detectEncoding(utf8), Encoding::Utf8);
    EXPECT_EQ(parseSettings(decodeUtf8(utf8)).thsSep, u"\u202F");
    EXPECT_EQ(detectEncoding("t\r\n0,0\r\n"), Encoding::Ascii);
}

TEST(TextEncoding, Windows1252HoldsItsOwnCharactersOnly) {
    const std::u16string western = u"\u20AC\u2022\u00B7\u00A0\u00FF\u0081";
    EXPECT_EQ(decodeWindows1252(encodeWindows1252(western).value()), western);
    EXPECT_FALSE(encodeWindows1252(u"\u202F").has_value());
}

// Each UTF-8 length at both of its ends, surrogate pairs both ways, and what
// is no character: written and read as U+FFFD.
struct Utf8Case {
    const char* what;
    std::u16string text;
    std::string bytes;
    bool bothWays;  // else only text -> bytes, or with an empty text only bytes -> U+FFFD each
};

void PrintTo(const Utf8Case& c, std::ostream* os) {
    *os << c.what;
}

class Utf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, EncodesAndDecodesEveryLength) {
    const Utf8Case& c = GetParam();
    // Read from a longer buffer, whose next byte would complete a character.
    const std::string buffer = c.bytes + '\x80';
    const std::string_view bytes(buffer.data(), c.bytes.size());
    if (c.text.empty()) {
        EXPECT_EQ(decodeUtf8(bytes), std::u16string(bytes.size(), u'\uFFFD'));
        EXPECT_EQ(detectEncoding(bytes), Encoding::Windows1252);
        return;
    }
    EXPECT_EQ(encodeUtf8(c.text), c.bytes);
    if (!c.bothWays) return;
    EXPECT_EQ(decodeUtf8(bytes), c.text);
    EXPECT_EQ(detectEncoding(bytes), c.bytes[0] & 0x80 ? Encoding::Utf8 : Encoding::Ascii);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, Utf8Test,
    ::testing::Values(Utf8Case{"one byte", u"\u007F", "\x7F", true},
                      Utf8Case{"two bytes", u"\u0080\u07FF", "\xC2\x80\xDF\xBF", true},
                      Utf8Case{"three bytes", u"\u0800\uFFFF", "\xE0\xA0\x80\xEF\xBF\xBF", true},
                      Utf8Case{"the first surrogate pair", u"\U00010000", "\xF0\x90\x80\x80", true},
                      Utf8Case{"the last character", u"\U0010FFFF", "\xF4\x8F\xBF\xBF", true},
                      Utf8Case{"a pair before a character above the surrogates",
                               u"\U00010000\uE000", "\xF0\x90\x80\x80\xEE\x80\x80", true},
                      Utf8Case{"a lone high surrogate", u"\xD800x", "\xEF\xBF\xBDx", false},
                      Utf8Case{"a lone low surrogate", u"\xDFFF", "\xEF\xBF\xBD", false},
                      Utf8Case{"a high surrogate at the end", u"a\xDBFF", "a\xEF\xBF\xBD", false},
                      Utf8Case{"bytes that begin nothing", u"", "\xFF\xC1\xBF", false},
                      Utf8Case{"an overlong form", u"", "\xE0\x9F\xBF", false},
                      Utf8Case{"encoded surrogates", u"", "\xED\xA0\x80\xED\xBF\xBF", false},
                      Utf8Case{"beyond U+10FFFF", u"", "\xF4\x90\x80\x80", false},
                      Utf8Case{"a character cut short", u"", "\xE2\x82", false}));

struct CutCase {
    const char* what;
    std::string bytes;
    bool cutShort;
    std::u16string expected;
};

void PrintTo(const CutCase& c, std::ostream* os) {
    *os << c.what;
}

class CutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutTest, DropsOnlyACharacterThatMoreBytesWouldComplete) {
    const CutCase& c = GetParam();
    const std::string buffer = c.bytes + '\x80';  // as above
    EXPECT_EQ(decodeText(std::string_view(buffer.data(), c.bytes.size()), c.cutShort), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, CutTest,
    ::testing::Values(
        CutCase{"Windows-1252 stays Windows-1252", "\xB7\xA0", true, u"\u00B7\u00A0"},
        CutCase{"a byte that begins no character", "x\xC0", true, u"x\u00C0"},
        CutCase{"the start of an overlong form", "x\xE0\x80", true, u"x\u00E0\u20AC"},
        CutCase{"the start of a surrogate", "x\xED\xA0", true, u"x\u00ED\u00A0"},
        CutCase{"the start of a code beyond U+10FFFF", "x\xF4\x90", true, u"x\u00F4\u0090"},
        CutCase{"a character cut after three of four bytes", "x\xF0\x9F\x98", true, u"x"},
        CutCase{"a lead byte alone", "x\xE2", true, u"x"},
        CutCase{"a whole character at the end", "x\xE2\x82\xAC", true, u"x\u20AC"},
        CutCase{"a whole two-byte character at the end", "x\xC3\xA9", true, u"x\u00E9"},
        CutCase{"the lowest two-byte lead alone", "x\xC2", true, u"x"},
        CutCase{"the lowest three-byte lead and one more byte", "x\xE0\xA0", true, u"x"},
        CutCase{"the highest four-byte lead alone", "x\xF4", true, u"x"},
        CutCase{"nothing but a lead byte", "\xE2", true, u""},
        CutCase{"a whole text ending short", "x\xE2\x82", false, u"x\u00E2\u201A"},
        CutCase{"an invalid byte before the cut", "\xFFx\xE2\x82", true, u"\u00FFx"}));

// Bytes as other editors save the settings: UTF-16 in either byte order,
// with the byte order mark, or lines ended by a lone CR.
std::string utf16(std::u16string_view text, bool bigEndian) {
    std::string bytes = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (const char16_t unit : text) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? std::string{high, low} : std::string{low, high};
    }
    return bytes;
}

TEST(OtherEditorsFiles, AreReadWholeAndCutOnWholeCharacters) {
    constexpr std::u16string_view kText =
        u"t\r\n1,2\r\n\"\u00B7\"\r\n\"\U0001F600\"\r\n1,3\r\n\"1\u00B75\",4\r\n";
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {
        {"UTF-16 little end first", utf16(kText, false)},
        {"UTF-16 big end first", utf16(kText, true)},
        {"lines ended by CR",
         "t\r1,2\r\"\xC2\xB7\"\r\"\xF0\x9F\x98\x80\"\r1,3\r\"1\xC2\xB7"
         "5\",4\r"},
    };
    for (const Case& c : cases) {
        const ReadSettings read = parseSettings(decodeText(c.bytes));
        EXPECT_EQ(read.top, 2) << c.what;
        EXPECT_EQ(read.decMark, u"\u00B7") << c.what;
        EXPECT_EQ(read.thsSep, u"\U0001F600") << c.what;
        EXPECT_EQ(read.digits, 3) << c.what;
        EXPECT_EQ(read.entryText, u"1\u00B75") << c.what;
        EXPECT_EQ(read.field, 4) << c.what;
    }

    // A read limit that cuts a UTF-16 file keeps the whole characters before
    // the cut: half a code unit and half a pair are dropped; a lone half
    // reads as U+FFFD.
    const std::string bytes = utf16(u"ab\U0001F600", false);
    EXPECT_EQ(decodeText(bytes.substr(0, 7), true), u"\uFEFFab");
    EXPECT_EQ(decodeText(bytes.substr(0, 9), true), u"\uFEFFab");
    EXPECT_EQ(decodeText(bytes.substr(0, 4) + std::string("\x00\xDC", 2), true), u"\uFEFFa\uFFFD");
    EXPECT_EQ(decodeText(utf16(u"\U00010000\U0010FC00\U0010FFFF", true)),
              u"\uFEFF\U00010000\U0010FC00\U0010FFFF");
}

TEST(SettingsText, TakesOnlyMarksThatKeepNumbersReadable) {
    // One rule for the reader and the options dialog: a visible character
    // that is no digit, also beyond the first 65536.
    for (const std::u16string_view mark :
         {u",", u"\u00A0", u"\U00010000", u"\U0001F3FF", u"\U0001F600", u"ab"})
        EXPECT_TRUE(isUsableMark(mark)) << int(mark[0]);
    // Each range's first and last character.
    const std::u16string_view unusable[] = {
        u"",       u"0",      u"7",      std::u16string_view(u"\0", 1),
        u"\u0085", u"\u00AD", u"\u061C", u"\u180E",
        u"\u200B", u"\u200F", u"\u2028", u"\u202E",
        u"\u2060", u"\u206F", u"\uFEFF", u"\uFFF9",
        u"\uFFFB", u"\uFFFE", u"\uFFFF", u"\xD83D",
        u"\xDC00", u"\xDFFF"};
    for (const std::u16string_view mark : unusable) {
        EXPECT_FALSE(isUsableMark(mark)) << (mark.empty() ? 0 : int(mark[0]));
        EXPECT_FALSE(parseSettings(u"t\r\n0,0\r\n\"" + std::u16string(mark) + u"\"\r\n").decMark);
    }
}

}  // namespace
}  // namespace velmor
