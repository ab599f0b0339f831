#include "ui/velmor_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "ui/qt_convert.h"

namespace velmor::ui {
namespace {

// A double chevron, drawn only if the overflow button ever shows.
class OverflowArrow : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QRectF box = QRectF(rect).adjusted(rect.width() / 4.0, rect.height() / 4.0,
                                                 -rect.width() / 4.0, -rect.height() / 4.0);
        QPainterPath chevrons;
        for (const qreal left : {box.left(), box.center().x()}) {
            chevrons.moveTo(left, box.top());
            chevrons.lineTo(left + box.width() / 2, box.center().y());
            chevrons.lineTo(left, box.bottom());
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(mode == QIcon::Disabled ? Qt::gray : Qt::black, 1.2));
        painter->drawPath(chevrons);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }

    QIconEngine* clone() const override { return new OverflowArrow; }
};

}  // namespace

VelmorStyle::VelmorStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

QIcon VelmorStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                const QWidget* widget) const {
    if (icon == SP_ToolBarHorizontalExtensionButton) return QIcon(new OverflowArrow);
    return QProxyStyle::standardIcon(icon, option, widget);
}

int VelmorStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                           QStyleHintReturn* returnData) const {
    if (hint == SH_MenuBar_AltKeyNavigation) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QPalette velmorPalette() {
    // Built from one light button colour, Qt derives the light, dark and
    // text colours of every group; the rest is set here, not taken from the
    // desktop.
    QPalette palette(QColor(239, 239, 239));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, QColor(247, 247, 247));
    palette.setColor(QPalette::Highlight, QColor(30, 96, 168));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::Link, QColor(0, 0, 192));
    palette.setColor(QPalette::LinkVisited, QColor(96, 0, 160));
    palette.setColor(QPalette::ToolTipBase, QColor(255, 255, 220));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(96, 96, 96));
    return palette;
}

void useVelmorLook() {
    QApplication::setStyle(new VelmorStyle);
    QApplication::setFont(qt(Font{}));
    // Menus, list popups, tooltips and a text box's own menu are windows of
    // their own, which take the program's palette rather than their parent
    // window's: Velmor's, then, not the desktop's.
    QApplication::setPalette(velmorPalette());
    QToolTip::setPalette(velmorPalette());
}

}  // namespace velmor::ui
