#include "shell/window_placement.h"

#include <algorithm>
#include <cstdint>

namespace velmor {
namespace {

// How far apart two spans are along one axis; 0 when they meet.
std::int64_t gap(int start, int length, int otherStart, int otherLength) {
    return std::max({0, otherStart - (start + length), start - (otherStart + otherLength)});
}

std::int64_t overlap(int start, int length, int otherStart, int otherLength) {
    return std::max(
        0, std::min(start + length, otherStart + otherLength) - std::max(start, otherStart));
}

}  // namespace

Rect placeOnScreen(const Rect& frame, const std::vector<Rect>& screens) {
    if (screens.empty()) return frame;
    const auto shared = [&](const Rect& s) {
        return overlap(frame.left, frame.width, s.left, s.width) *
               overlap(frame.top, frame.height, s.top, s.height);
    };
    const auto distance = [&](const Rect& s) {
        const std::int64_t x = gap(frame.left, frame.width, s.left, s.width);
        const std::int64_t y = gap(frame.top, frame.height, s.top, s.height);
        return x * x + y * y;
    };
    const Rect screen = *std::min_element(screens.begin(), screens.end(), [&](auto& a, auto& b) {
        const std::int64_t sharedA = shared(a), sharedB = shared(b);
        if (sharedA != sharedB) return sharedA > sharedB;
        return distance(a) < distance(b);
    });
    Rect placed = frame;
    placed.left =
        std::max(std::min(frame.left, screen.left + screen.width - frame.width), screen.left);
    placed.top =
        std::max(std::min(frame.top, screen.top + screen.height - frame.height), screen.top);
    return placed;
}

}  // namespace velmor
