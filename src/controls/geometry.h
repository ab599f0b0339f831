#pragma once

namespace velmor {

// Position and size in twips (1/1440 inch; 15 twips are one pixel at 96 dpi).
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

inline constexpr int kTwipsPerPixel = 15;

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace velmor
