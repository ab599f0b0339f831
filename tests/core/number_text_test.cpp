#include "input/number_text.h"
#include "test_support/scripted_platform.h"

#include <gtest/gtest.h>

#include <string>

namespace velmor {
namespace {

std::u16string sysSepsFor(RegionalMarks marks) {
    test_support::ScriptedPlatform platform;
    platform.marks = std::move(marks);
    return GetSysSeps(platform);
}

constexpr std::int64_t kUnit = Quantity::kScale;

struct ParseCase {
    const char* what;
    std::u16string text;
    std::u16string decMark;
    std::u16string thsSep;
    char16_t sysDecMark;
    std::int64_t count;  // expected result in ten-thousandths
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << c.what;
}

class ParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseTest, ReadsTheAmountOrTheErrorCode) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(CalcTextVal(c.text, c.decMark, c.thsSep, c.sysDecMark).count(), c.count);
}

const std::u16string kFiftyDigits(50, u'9');

INSTANTIATE_TEST_SUITE_P(
    Entries, ParseTest,
    ::testing::Values(
        ParseCase{"empty is zero", u"", u".", u",", u'.', 0},
        ParseCase{"spaces only are zero", u"   ", u".", u",", u'.', 0},
        ParseCase{"spaces around are ignored", u"  12 ", u".", u",", u'.', 12 * kUnit},
        ParseCase{"separators only are zero", u",,,", u".", u",", u'.', 0},
        ParseCase{"lone mark is zero", u".", u".", u",", u'.', 0},
        ParseCase{"leading mark", u".5", u".", u",", u'.', 5000},
        ParseCase{"trailing mark", u"12.", u".", u",", u'.', 12 * kUnit},
        ParseCase{"separators anywhere", u"1,2,3", u".", u",", u'.', 123 * kUnit},
        ParseCase{"German marks", u"1.234,5", u",", u".", u',', 12345000},
        ParseCase{"minus sign", u"-5", u".", u",", u'.', kMalformed.count()},
        ParseCase{"plus sign", u"+5", u".", u",", u'.', kMalformed.count()},
        ParseCase{"letter", u"12a", u".", u",", u'.', kMalformed.count()},
        ParseCase{"inner space", u"1 2", u".", u",", u'.', kMalformed.count()},
        ParseCase{"space as separator", u"1 234", u".", u" ", u'.', 1234 * kUnit},
        ParseCase{"no-break space as separator", u"1\u00A0234", u",", u"\u00A0", u'.',
                  1234 * kUnit},
        ParseCase{"no-break space otherwise", u"1\u00A0234", u".", u",", u'.', kMalformed.count()},
        ParseCase{"two marks", u"1.2.3", u".", u",", u'.', kMalformed.count()},
        ParseCase{"same mark twice counts as decimal", u"1.2", u".", u".", u'.', 12000},
        ParseCase{"only the first 50 count", kFiftyDigits + u"x", u".", u",", u'.',
                  kTooLarge.count()},
        ParseCase{"largest accepted", u"922299968520192", u".", u",", u'.',
                  922299968520192 * kUnit},
        ParseCase{"one more is too large", u"922299968520193", u".", u",", u'.', kTooLarge.count()},
        ParseCase{"fraction counts with a period system mark", u"922299968520192.5", u".", u",",
                  u'.', kTooLarge.count()},
        ParseCase{"only the whole part counts with a comma system mark", u"922299968520192.5", u".",
                  u",", u',', 922299968520192 * kUnit + 5000},
        ParseCase{"a whole part too large with a comma system mark", u"922299968520193.5", u".",
                  u",", u',', kTooLarge.count()},
        ParseCase{"fifth decimal below half", u"1.00004", u".", u",", u'.', kUnit},
        ParseCase{"fifth decimal at half", u"1.00005", u".", u",", u'.', kUnit + 1},
        ParseCase{"many decimals", u"0.123456789", u".", u",", u'.', 1235},
        ParseCase{"two-character mark: second is skipped", u"1.:5", u".:", u",", u'.', 15000},
        ParseCase{"two-character mark: separator is malformed", u"1,000", u".:", u",", u'.',
                  kMalformed.count()},
        ParseCase{"no separator at all", u"1,000", u".", u"", u'.', kMalformed.count()},
        ParseCase{"lone surrogate", u"1\xD800", u".", u",", u'.', kMalformed.count()}));

TEST(ParseTest, SurvivesHugeAndControlTexts) {
    EXPECT_EQ(CalcTextVal(std::u16string(100'000, u'7'), u".", u",", u'.'), kTooLarge);
    EXPECT_EQ(CalcTextVal(std::u16string(100'000, u','), u".", u",", u'.').count(), 0);
    EXPECT_EQ(CalcTextVal(u"\t1\n", u".", u",", u'.'), kMalformed);
    EXPECT_EQ(CalcTextVal(std::u16string(1, u'\0'), u".", u",", u'.'), kMalformed);
}

TEST(SystemSeparators, TakeTheCharacterNextToTheDigits) {
    EXPECT_EQ(sysSepsFor({u".", u","}), u".,");
    EXPECT_EQ(sysSepsFor({u",", u"."}), u",.");
    EXPECT_EQ(sysSepsFor({u".", u""}), u".");
    EXPECT_EQ(sysSepsFor({u",", u"\u202F"}), u",\u202F");
    EXPECT_EQ(sysSepsFor({u"ab", u"xy"}), u"by");
    using Marks = std::pair<std::u16string, std::u16string>;
    test_support::ScriptedPlatform platform;
    platform.marks = {u",", u"."};
    EXPECT_EQ(systemMarks(platform), Marks(u",", u"."));
    platform.marks = {u"", u""};
    EXPECT_EQ(systemMarks(platform), Marks(u".", u""));
}

TEST(PlainValueText, WritesDigitsWithTheSystemMarkAndNoGrouping) {
    EXPECT_EQ(plainValueText(Quantity::fromCount(12345000), u'.'), u"1234.5");
    EXPECT_EQ(plainValueText(Quantity::fromCount(2500), u'.'), u"0.25");
    EXPECT_EQ(plainValueText(Quantity::fromUnits(7), u'.'), u"7");
    EXPECT_EQ(plainValueText(Quantity(), u'.'), u"0");
    EXPECT_EQ(plainValueText(Quantity::fromCount(50), u','), u"0,005");
    EXPECT_EQ(plainValueText(Quantity::fromCount(9223000000000000001), u'.'),
              u"922300000000000.0001");
}

TEST(PlainValueText, ReadsBackToTheSameAmount) {
    for (const std::int64_t count : {0LL, 1LL, 10LL, 12345678LL, 9222999685201920000LL}) {
        const Quantity value = Quantity::fromCount(count);
        EXPECT_EQ(CalcTextVal(plainValueText(value, u','), u",", u".", u','), value) << count;
    }
}

}  // namespace
}  // namespace velmor
