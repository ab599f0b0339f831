#include "shell/window_placement.h"

#include <gtest/gtest.h>

namespace velmor {
namespace {

// Two screens side by side, in pixels: a 1920 x 1080 one with a panel along
// its top, and a 1280 x 1024 one to its right.
const std::vector<Rect> kScreens{{0, 30, 1920, 1050}, {1920, 0, 1280, 1024}};

struct Case {
    const char* what;
    Rect frame;
    int left;
    int top;
};

TEST(PlaceOnScreenTest, BringsTheWholeFrameOntoTheScreenHoldingMostOfIt) {
    const Case cases[] = {
        {"on a screen: stays", {100, 100, 520, 290}, 100, 100},
        {"off the right of all", {5000, 200, 520, 290}, 3200 - 520, 200},
        {"below the first", {300, 1000, 520, 290}, 300, 1080 - 290},
        {"under the panel", {300, 10, 520, 290}, 300, 30},
        {"mostly on the first", {1600, 200, 520, 290}, 1920 - 520, 200},
        {"mostly on the second", {1700, 200, 520, 290}, 1920, 200},
        {"beyond both, nearest the second", {4000, 2000, 520, 290}, 3200 - 520, 1024 - 290},
        {"left of both, nearest the first", {-900, 500, 520, 290}, 0, 500},
        {"below both, nearest the first", {300, 1500, 520, 290}, 300, 1080 - 290},
        {"below both across their edge, nearest the first",
         {1500, 1300, 520, 290},
         1920 - 520,
         1080 - 290},
        {"larger than the screen keeps its corner on it", {-50, -50, 4000, 2000}, 0, 30},
    };
    for (const Case& c : cases) {
        const Rect placed = placeOnScreen(c.frame, kScreens);
        EXPECT_EQ(placed.left, c.left) << c.what;
        EXPECT_EQ(placed.top, c.top) << c.what;
        EXPECT_EQ(placed.width, c.frame.width) << c.what;
    }
    EXPECT_EQ(placeOnScreen({7, 8, 9, 10}, {}), (Rect{7, 8, 9, 10}));
}

}  // namespace
}  // namespace velmor
