#include "ui/option_box.h"

#include <QPainter>

namespace velmor::ui {

namespace {

constexpr QColor kCheckedFill{150, 190, 240};
constexpr QColor kCheckedBorder{16, 56, 128};
constexpr QColor kUncheckedFill{251, 251, 251};
constexpr QColor kUncheckedBorder{128, 128, 128};

}  // namespace

void OptionBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool checked = isChecked();
    // Pressed, an unchecked box already takes the checked box's fill.
    const bool lit = checked || isDown();
    const int border = checked ? 2 : 1;
    painter.fillRect(rect(), checked ? kCheckedBorder : kUncheckedBorder);
    painter.fillRect(rect().adjusted(border, border, -border, -border),
                     lit ? kCheckedFill : kUncheckedFill);

    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    QRect picture(QPoint(0, 0), iconSize());
    picture.moveCenter(rect().center());
    icon().paint(&painter, picture, Qt::AlignCenter, mode);
}

}  // namespace velmor::ui
