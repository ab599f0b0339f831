#include "input/history.h"

#include <gtest/gtest.h>

#include <string>

namespace velmor {
namespace {

TEST(History, KeepsTheFiftyNewestEntriesAboveTheOldest) {
    History history;
    for (int k = 1; k <= History::kCapacity; ++k)
        history.store(std::u16string(1, static_cast<char16_t>(u'0' + k % 10)), 1);
    EXPECT_EQ(history.pos(), History::kCapacity);
    EXPECT_EQ(history.entry(1).text, u"1");  // nothing dropped yet
    EXPECT_FALSE(history.holds(History::kCapacity + 1));

    history.store(u"new", 2);
    EXPECT_EQ(history.pos(), History::kCapacity);
    EXPECT_EQ(history.entry(1).text, u"2");  // the oldest went
    EXPECT_EQ(history.entry(History::kCapacity).text, u"new");
    EXPECT_EQ(history.entry(History::kCapacity).field, 2);
    EXPECT_FALSE(history.holds(0));
}

}  // namespace
}  // namespace velmor
