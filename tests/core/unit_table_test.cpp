#include "engine/unit_table.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

TEST(UnitTable, FactorsAreExactPowersOfAThousandAndOf1024) {
    EXPECT_EQ(unitBytes(0), 1);
    EXPECT_EQ(unitBytes(1), 1000);
    EXPECT_EQ(unitBytes(4), 1'000'000'000'000);
    EXPECT_EQ(unitBytes(5), 1024);
    EXPECT_EQ(unitBytes(8), 1'099'511'627'776);
    EXPECT_EQ(unitFactor[8], 1099511627776.0);
}

TEST(UnitTable, CaptionsAndTooltipsNameEachUnit) {
    EXPECT_EQ(unitText[0].caption, u"B");
    EXPECT_EQ(unitText[0].tooltip, u" byte ");
    EXPECT_EQ(unitText[3].caption, u"GB");
    EXPECT_EQ(unitText[5].caption, u"KiB");
    EXPECT_EQ(unitText[5].tooltip, u" kibyte ");
    EXPECT_EQ(unitText[8].tooltip, u" tibyte ");
}

}  // namespace
}  // namespace velmor
