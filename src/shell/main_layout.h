#pragma once

#include <array>

#include "controls/font.h"
#include "controls/geometry.h"
#include "engine/unit_table.h"

// The main window's layout as data: where each control stands, in twips,
// and its colours and fonts. FmMain's constructor builds its control models
// from these tables; its logic lives in the files of the subsystems.
namespace velmor::main_layout {

// Where one field's controls stand.
struct FieldLayout {
    Rect frame;
    Rect number;
    Rect decimals;
    int signLeft;
    int signTop;
    int unitLeft;
    int unitTop;
    int unitWidth;
};

// clang-format off
inline constexpr std::array<FieldLayout, kFieldCount> kFields{{
    {{2565, 2355, 2535, 285}, {2580, 2370, 2430, 255}, {5100, 2400, 420, 240}, 4920, 2190, 5190, 2370, 165},  // byte
    {{180, 1905, 2940, 285}, {195, 1920, 2430, 255}, {2625, 1935, 480, 240}, 2535, 1740, 3210, 1920, 285},  // kilobyte
    {{180, 1455, 2940, 285}, {195, 1470, 2430, 255}, {2625, 1485, 480, 240}, 2535, 1290, 3210, 1470, 360},  // megabyte
    {{180, 1005, 2940, 285}, {195, 1020, 2430, 255}, {2625, 1035, 480, 240}, 2535, 840, 3210, 1020, 345},  // gigabyte
    {{180, 555, 2940, 285}, {195, 570, 2430, 255}, {2625, 585, 480, 240}, 2535, 390, 3210, 570, 315},  // terabyte
    {{3975, 1905, 2940, 285}, {3990, 1920, 2430, 270}, {6420, 1935, 480, 240}, 6330, 1740, 7020, 1920, 390},  // kibibyte
    {{3975, 1455, 2940, 285}, {3990, 1470, 2430, 255}, {6420, 1485, 480, 240}, 6330, 1290, 7020, 1470, 420},  // mebibyte
    {{3975, 1005, 2940, 285}, {3990, 1020, 2430, 255}, {6420, 1035, 480, 240}, 6330, 840, 7020, 1020, 405},  // gibibyte
    {{3975, 555, 2940, 285}, {3990, 570, 2430, 255}, {6420, 585, 480, 240}, 6330, 390, 7020, 570, 375},  // tebibyte
}};
// clang-format on

inline constexpr int kSignSize = 225;
inline constexpr int kUnitHeight = 270;
inline constexpr Rgb kFrameGrey{240, 240, 240};
inline constexpr Rgb kNumberNavy{0, 0, 128};
inline constexpr Rgb kHeadingBlue{0, 0, 192};

inline const Font kNumberFont{u"Microsoft Sans Serif", 11.25, true};
inline const Font kDecimalsFont{u"Microsoft Sans Serif", 9.75, true};
// Its "t" and "u" draw the up and down triangles of the rounding markers.
inline const Font kMarkerFont{u"Marlett", 11.25, false};
inline const Font kHeadingFont{u"Microsoft Sans Serif", 12.75, false};
inline const Font kEntryFont{u"Arial", 11.25, true};
inline const Font kBannerFont{u"Microsoft Sans Serif", 15.75, true};

inline constexpr Rect kEntry{2565, 2340, 2535, 315};

// The option boxes: four for the decimals, three for the rounding mode; the
// key hint beneath each box is as wide as the box.
inline constexpr int kOptionTop = 2880;
inline constexpr int kOptionHeight = 375;
inline constexpr std::array<Rect, 4> kDigitBoxPlaces{{
    {3210, kOptionTop, 720, kOptionHeight},
    {3990, kOptionTop, 720, kOptionHeight},
    {4770, kOptionTop, 720, kOptionHeight},
    {5550, kOptionTop, 720, kOptionHeight},
}};
inline constexpr std::array<Rect, 3> kRoundingBoxPlaces{{
    {1260, kOptionTop, 390, kOptionHeight},
    {1725, kOptionTop, 390, kOptionHeight},
    {2190, kOptionTop, 390, kOptionHeight},
}};
inline constexpr int kHintGap = 15;
inline constexpr int kHintHeight = 210;

// Headings sized by their text: width and height 0.
inline constexpr Rect kDecimalHeading{1208, 120, 0, 0};
inline constexpr Rect kBinaryHeading{5093, 120, 0, 0};

// The start-up banner and its greeting, sized by its text, inside it. The
// banner hides the top row's two fields whole, from the terabyte frame's
// left edge to the tebibyte frame's right one, and stops above the row
// beneath: no piece of a number shows beside it. The greeting stands where
// it always has, 3735 twips from the window's left edge.
inline constexpr Rect kBanner{180, 510, 6735, 495};
inline constexpr Rgb kBannerBlue{0, 0, 192};
inline constexpr Rect kBannerText{3555, 60, 0, 0};

}  // namespace velmor::main_layout
