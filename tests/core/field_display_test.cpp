#include "engine/field_display.h"

#include <gtest/gtest.h>

#include <string>

namespace velmor {
namespace {

// Most examples use the marks of a French desk: a decimal comma and a space
// between thousands.
CalcState stateWith(std::int64_t count, int activeField, int digits, int rndMode) {
    CalcState state;
    state.entryValue = Quantity::fromCount(count);
    state.activeField = static_cast<std::int16_t>(activeField);
    state.digits = static_cast<std::int16_t>(digits);
    state.rndMode = static_cast<std::int16_t>(rndMode);
    state.decMark = u",";
    state.thsSep = u" ";
    return state;
}

struct DisplayCase {
    const char* what;
    std::int64_t count;  // entry in ten-thousandths of the active field's unit
    int activeField;
    int digits;
    int rndMode;
    int field;  // the field checked
    std::u16string number;
    std::u16string decimals;
    std::u16string sign;
};

void PrintTo(const DisplayCase& c, std::ostream* os) {
    *os << c.what;
}

class DisplayTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTest, ShowsTheRoundedNumberAndItsMarker) {
    const DisplayCase& c = GetParam();
    const FieldText field = DisplayFields(
        stateWith(c.count, c.activeField, c.digits, c.rndMode))[static_cast<std::size_t>(c.field)];
    EXPECT_EQ(field.number, c.number);
    EXPECT_EQ(field.decimals, c.decimals);
    EXPECT_EQ(field.sign, c.sign);
    EXPECT_EQ(field.shown, c.number != kOverflowText);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, DisplayTest,
    ::testing::Values(
        DisplayCase{"zero in bytes", 0, 0, 1, 1, 8, u"0", u",0", u""},
        DisplayCase{"1 TB in bytes", 1'0000, 4, 1, 1, 0, u"1 000 000 000 000", u",0", u""},
        DisplayCase{"1 TB in MiB", 1'0000, 4, 1, 1, 6, u"953 674", u",3", u"u"},
        DisplayCase{"1000 TiB overflow bytes", 1000'0000, 8, 2, 1, 0, u"= = = = = ", u"", u""},
        DisplayCase{"1000 TiB in kB", 1000'0000, 8, 2, 1, 1, u"1 099 511 627 776", u",00", u""},
        DisplayCase{"rounding carries", 1'9600, 1, 1, 1, 1, u"2", u",0", u"t"},
        DisplayCase{"carried kB in bytes", 1'9600, 1, 1, 1, 0, u"1 960", u",0", u""},
        DisplayCase{"round up", 1'0001, 1, 1, 0, 1, u"1", u",1", u"t"},
        DisplayCase{"bytes round up too", 1'0001, 1, 1, 0, 0, u"1 001", u",0", u"t"},
        DisplayCase{"exact down", 5300, 1, 2, 2, 1, u"0", u",53", u""},
        DisplayCase{"exact up", 1'5070, 8, 3, 0, 8, u"1", u",507", u""},
        DisplayCase{"exact half up", 2206'1300, 6, 2, 1, 2, u"2 313", u",30", u"t"},
        DisplayCase{"tiny is zero", 1'0000, 0, 3, 1, 4, u"0", u",000", u""},
        DisplayCase{"no decimals", 1'9600, 1, 0, 1, 1, u"2", u"", u"t"},
        DisplayCase{"no decimals down", 1'9600, 1, 0, 2, 1, u"1", u"", u"u"},
        DisplayCase{"1 KiB in bytes", 1'0000, 5, 1, 1, 0, u"1 024", u",0", u""},
        DisplayCase{"1 KiB in kB", 1'0000, 5, 3, 1, 1, u"1", u",024", u""},
        DisplayCase{"largest entry in bytes", 922299968520192'0000, 0, 1, 1, 0,
                    u"922 299 968 520 192", u",0", u""},
        DisplayCase{"largest entry in kB", 922299968520191'0000, 0, 3, 2, 1, u"922 299 968 520",
                    u",191", u""},
        DisplayCase{"unknown mode truncates silently", 1'9600, 1, 1, 7, 1, u"1", u",9", u""},
        DisplayCase{"negative digits round like none", 1'9600, 1, -1, 1, 1, u"2", u"", u"t"},
        DisplayCase{"four digits show the exact value", 1'9600, 1, 4, 0, 1, u"1", u",9600", u""},
        DisplayCase{"more digits pad with zeros", 1'9600, 1, 6, 1, 1, u"1", u",960000", u""},
        DisplayCase{"bytes stay whole with many digits", 1'0001, 1, 5, 1, 0, u"1 000", u",00000",
                    u"u"},
        DisplayCase{"at most 13 decimals", 1'9600, 1, 100, 1, 1, u"1", u",9600000000000", u""}));

TEST(DisplayFields, BlanksEveryFieldWhenTheEntryDoesNotParse) {
    for (const Quantity code : {kTooLarge, kMalformed}) {
        CalcState state = stateWith(0, 3, 1, 1);
        state.entryValue = code;
        for (const FieldText& field : DisplayFields(state)) {
            EXPECT_EQ(field.number, u"");
            EXPECT_EQ(field.decimals, u"");
            EXPECT_EQ(field.sign, u"");
            EXPECT_FALSE(field.shown);
        }
    }
}

TEST(DisplayFields, OverflowsOnlyTheFieldsPastTheLimit) {
    // 1 PB, entered as a million GB: only the byte count is too long to show.
    const FieldTexts fields = DisplayFields(stateWith(1'000'000'0000, 3, 1, 1));
    EXPECT_EQ(fields[0].number, kOverflowText);
    EXPECT_FALSE(fields[0].shown);
    EXPECT_EQ(fields[1].number, u"1 000 000 000 000");
    EXPECT_EQ(fields[4].number, u"1 000");
    EXPECT_TRUE(fields[4].shown);
}

TEST(ExactFieldValue, ShowsWhatTheRoundingHidesToFourDecimals) {
    // 1 TiB seen in the gigabyte field, with no decimals shown.
    CalcState state = stateWith(1'0000, 8, 0, 2);
    EXPECT_EQ(ExactFieldValue(state, 3), u"1 099,5116");
    EXPECT_EQ(ExactFieldValue(state, 8), u"1,0000");
    state.decMark = u".";
    state.thsSep = u",";
    EXPECT_EQ(ExactFieldValue(state, 0), u"1,099,511,627,776.0000");
    // Half a ten-thousandth goes to the even neighbour: 0.05 kB is 0.00005 MB
    // and 0.15 kB is 0.00015 MB.
    EXPECT_EQ(ExactFieldValue(stateWith(500, 1, 1, 1), 2), u"0,0000");
    EXPECT_EQ(ExactFieldValue(stateWith(1500, 1, 1, 1), 2), u"0,0002");
    // No number, no exact value: a malformed entry, or a field past the limit.
    state.entryValue = kMalformed;
    EXPECT_EQ(ExactFieldValue(state, 3), u"");
    EXPECT_EQ(ExactFieldValue(stateWith(1'000'000'0000, 3, 1, 1), 0), u"");
}

TEST(FormatVal, GroupsAndTruncatesWithTheGivenMarks) {
    const Quantity twelveThousand = Quantity::fromUnits(12345);
    const Quantity fraction = Quantity::fromCount(6789);
    EXPECT_EQ(FormatVal(twelveThousand, fraction, 2, u".", u","), u"12,345.67");
    EXPECT_EQ(FormatVal(twelveThousand, fraction, 2, u",", u""), u"12345,67");
    EXPECT_EQ(FormatVal(twelveThousand, fraction, 0, u".", u","), u"12,345");
    EXPECT_EQ(FormatVal(twelveThousand, fraction, 5, u".", u"'"), u"12'345.67890");
    EXPECT_EQ(FormatVal(Quantity::fromUnits(1234567), Quantity(), 1, u".", u"::"),
              u"1::234::567.0");
    EXPECT_EQ(FormatVal(Quantity(), Quantity::fromCount(50), 3, u".", u","), u"0.005");
}

TEST(FormatVal, WritesAParserCodeAsANegativeNumber) {
    EXPECT_EQ(FormatVal(kTooLarge.integerPart(), kTooLarge.fraction(), 1, u",", u" "), u"-2,0");
    EXPECT_EQ(FormatVal(kMalformed.integerPart(), kMalformed.fraction(), 0, u".", u","), u"-3");
}

}  // namespace
}  // namespace velmor
