#pragma once

#include <QPalette>
#include <QProxyStyle>

namespace velmor::ui {

// Qt's Fusion style, with two changes:
// - Less one start-up cost: a menu bar asks its style for the arrow of its
//   overflow button as soon as it is built, and Fusion looks for that icon
//   in the icon theme and in image files, which loads every image-format
//   plugin on the machine. Velmor draws that arrow itself.
// - Alt pressed and let go alone leaves the keys where they are. Fusion
//   would hand them to the menu bar and show nothing of it, so what is
//   typed next (after an Alt+Tab given up, say) would vanish. Every menu
//   still opens with Alt and its letter.
class VelmorStyle : public QProxyStyle {
public:
    VelmorStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
};

// The light palette Velmor's windows are drawn in, whatever the desktop's
// palette: their backgrounds and texts have fixed colours, so each widget
// takes text and background from one palette and every text reads, under a
// dark system theme too.
QPalette velmorPalette();

// Velmor's look for the whole program: VelmorStyle; Liberation Sans at 8.25
// points, the face of the window's small texts, for its menus and tooltips
// too (sharing that face spares start-up one more font to load); and
// velmorPalette for every popup, menus, list popups and tooltips included.
// Call it once the application exists, after the desktop's theme has set
// its palette.
void useVelmorLook();

}  // namespace velmor::ui
