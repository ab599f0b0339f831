#pragma once

#include "controls/font.h"
#include "controls/geometry.h"

// The options dialog's layout as data, as the main window's is in
// main_layout.h. The dialog was drawn in pixels; the models keep twips.
namespace velmor::options_layout {

constexpr Rect pixels(int left, int top, int width, int height) {
    return {left * kTwipsPerPixel, top * kTwipsPerPixel, width * kTwipsPerPixel,
            height * kTwipsPerPixel};
}

inline constexpr Rect kDecimalLabel = pixels(48, 22, 87, 16);
inline constexpr Rect kSeparatorLabel = pixels(12, 56, 122, 16);
inline constexpr Rect kDecimalList = pixels(140, 18, 61, 24);
inline constexpr Rect kSeparatorList = pixels(140, 52, 61, 24);
inline constexpr Rect kDecimalBox = pixels(208, 18, 25, 24);
inline constexpr Rect kSeparatorBox = pixels(208, 52, 25, 24);
inline constexpr Rect kSample = pixels(260, 42, 79, 19);
inline constexpr Rect kOk = pixels(190, 94, 67, 29);
inline constexpr Rect kCancel = pixels(272, 94, 67, 29);
inline constexpr Rgb kButtonBlue{80, 144, 208};

inline const Font kLabelFont{u"Microsoft Sans Serif", 9.75, false};
inline const Font kListFont{u"Arial", 9.75, true};
inline const Font kBoxFont{u"Arial", 11.25, true};
inline const Font kButtonFont{u"Microsoft Sans Serif", 8.25, false};

}  // namespace velmor::options_layout
