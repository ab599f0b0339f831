#include "scenario/expectations.h"

#include <gtest/gtest.h>

namespace velmor::scenario {
namespace {

const std::vector<std::string> kSnapshot{
    "state activeField=1 decMark=\".\"",
    "lbNum 0 caption=\"12\" visible=1",
    "lbNum 1 caption=\"3\" visible=0",
};

TEST(Expectations, HoldWhenALineWithTheTagHasEveryPair) {
    EXPECT_FALSE(unmetExpectation({"expect", "lbNum", "1", "caption=\"3\""}, kSnapshot));
    EXPECT_FALSE(
        unmetExpectation({"expect", "lbNum", "0", "visible=1", "caption=\"12\""}, kSnapshot));
    // The scenario may escape what the snapshot writes plainly.
    EXPECT_FALSE(unmetExpectation({"expect", "state", "decMark=\"\\u002E\""}, kSnapshot));
}

TEST(Expectations, NameTheTaggedLineWhenAPairDiffers) {
    const auto unmet = unmetExpectation({"expect", "lbNum", "1", "visible=1"}, kSnapshot);
    ASSERT_TRUE(unmet);
    EXPECT_EQ(*unmet, "expected lbNum 1 visible=1\n  snapshot: lbNum 1 caption=\"3\" visible=0");
}

TEST(Expectations, SayWhenNoLineHasTheTag) {
    const auto unmet = unmetExpectation({"expect", "lbNum", "7", "visible=1"}, kSnapshot);
    ASSERT_TRUE(unmet);
    EXPECT_EQ(*unmet, "expected lbNum 7 visible=1\n  snapshot has no line tagged \"lbNum 7\"");
    EXPECT_TRUE(unmetExpectation({"expect", "state", "missing=1"}, kSnapshot));
    EXPECT_TRUE(unmetExpectation({"expect", "state", "activeField"}, kSnapshot));
}

}  // namespace
}  // namespace velmor::scenario
