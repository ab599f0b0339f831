#pragma once

#include "controls/font.h"
#include "controls/geometry.h"

// The About box's layout as data, in twips, with its colours and fonts, as
// the main window's is in main_layout.h. FmAbout builds its models from it.
namespace velmor::about_layout {

inline constexpr Rect kLogo{150, 120, 2280, 510};
inline constexpr Rect kPresents{2580, 390, 780, 240};
inline constexpr Rect kTitle{2370, 870, 705, 360};
inline constexpr Rect kVersion{2100, 1230, 1380, 240};
inline constexpr Rect kDescription{720, 1650, 4245, 660};
// An etched rule: a white line over a grey one.
inline constexpr Rect kRuleLight{120, 2460, 5465, 15};
inline constexpr Rect kRuleDark{120, 2445, 5465, 15};
inline constexpr Rgb kRuleWhite{255, 255, 255};
inline constexpr Rgb kRuleGrey{128, 128, 128};
inline constexpr Rect kDisclaimer{255, 2670, 990, 240};
inline constexpr Rect kVisit{270, 2940, 285, 195};
inline constexpr Rect kLink{630, 2940, 1200, 195};
inline constexpr Rgb kLinkBlue{0, 0, 192};
inline constexpr Rect kOtherFreeware{1890, 2940, 1365, 195};
inline constexpr Rect kOk{4245, 2760, 1260, 375};

inline const Font kDialogFont{u"MS Sans Serif", 9.75, false};
inline const Font kTitleFont{u"MS Sans Serif", 13.5, false};
inline const Font kDisclaimerFont{u"MS Sans Serif", 9.75, true};

}  // namespace velmor::about_layout
