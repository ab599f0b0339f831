#include "ui/pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QRadialGradient>

#include <array>
#include <initializer_list>

namespace velmor::ui {
namespace {

// Lines are drawn the way a vector drawing's strokes are: square-cut ends
// unless asked for round ones, and no fill.
QPen stroke(const QColor& colour, qreal width, Qt::PenCapStyle cap = Qt::FlatCap,
            Qt::PenJoinStyle join = Qt::RoundJoin) {
    return QPen(colour, width, Qt::SolidLine, cap, join);
}

void drawLine(QPainter& painter, std::initializer_list<QPointF> points) {
    painter.drawPolyline(points.begin(), static_cast<int>(points.size()));
}

QColor withOpacity(QColor colour, qreal opacity) {
    colour.setAlphaF(static_cast<float>(opacity));
    return colour;
}

// The background: light from above and two soft patches of light, with
// faint circuit traces that mostly run under the fields and the headings.
void drawBackground(QPainter& painter) {
    constexpr qreal kWidth = 513;
    constexpr qreal kHeight = 241;
    QLinearGradient fall(0, 0, 0, kHeight);
    fall.setColorAt(0, QColor(0xA1, 0xB9, 0xC2));
    fall.setColorAt(0.5, QColor(0x95, 0xAE, 0xB8));
    fall.setColorAt(1, QColor(0x89, 0xA3, 0xAE));
    painter.fillRect(QRectF(0, 0, kWidth, kHeight), fall);

    // Each patch fades from its centre to its rim, whatever its proportions.
    QRadialGradient glow(0.5, 0.5, 0.5);
    glow.setCoordinateMode(QGradient::ObjectBoundingMode);
    glow.setColorAt(0, withOpacity(Qt::white, 0.10));
    glow.setColorAt(1, withOpacity(Qt::white, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(70, 20), 150, 70);
    painter.drawEllipse(QPointF(470, 215), 140, 65);

    const QColor trace(0x2F, 0x4A, 0x5A);
    painter.setPen(stroke(withOpacity(trace, 0.13), 1.2));
    painter.setBrush(Qt::NoBrush);
    drawLine(painter, {{252, 30}, {252, 60}, {246, 66}, {246, 150}, {252, 156}, {252, 186}});
    drawLine(painter, {{258, 24}, {258, 88}, {262, 92}, {262, 128}});
    drawLine(painter, {{4, 180}, {150, 180}, {158, 188}, {360, 188}, {368, 180}, {509, 180}});
    drawLine(painter, {{130, 30}, {205, 30}, {211, 24}, {300, 24}});
    drawLine(painter, {{400, 30}, {460, 30}, {466, 24}, {505, 24}});
    drawLine(painter, {{506, 40}, {506, 140}, {500, 146}, {500, 178}});
    drawLine(painter, {{6, 40}, {6, 150}});
    // The traces' ends.
    painter.setPen(Qt::NoPen);
    painter.setBrush(withOpacity(trace, 0.16));
    for (const QPointF end :
         {QPointF(252, 30), QPointF(252, 186), QPointF(258, 24), QPointF(262, 128), QPointF(4, 180),
          QPointF(509, 180), QPointF(130, 30), QPointF(300, 24), QPointF(400, 30), QPointF(505, 24),
          QPointF(506, 40), QPointF(500, 178), QPointF(6, 40), QPointF(6, 150)}) {
        painter.drawEllipse(end, 2.2, 2.2);
    }

    // A thin highlight along the top edge, a soft shade along the bottom.
    painter.fillRect(QRectF(0, 0, kWidth, 1), withOpacity(Qt::white, 0.25));
    painter.fillRect(QRectF(0, kHeight - 1, kWidth, 1), withOpacity(Qt::black, 0.10));
}

void drawLogo(QPainter& painter) {
    const QColor navy(0x00, 0x00, 0x80);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5E, 0x85, 0x96));
    painter.drawRoundedRect(QRectF(3, 21, 8, 8), 1.5, 1.5);
    painter.setBrush(QColor(0x3A, 0x5F, 0x7A));
    painter.drawRoundedRect(QRectF(13, 15, 8, 14), 1.5, 1.5);
    painter.setBrush(navy);
    painter.drawRoundedRect(QRectF(23, 5, 8, 24), 1.5, 1.5);

    // The arrow rising over the blocks.
    painter.setBrush(Qt::NoBrush);
    QPainterPath arc(QPointF(4, 15));
    arc.quadTo(QPointF(9, 6), QPointF(18, 7));
    painter.setPen(stroke(navy, 1.8, Qt::RoundCap, Qt::MiterJoin));
    painter.drawPath(arc);
    painter.setPen(stroke(navy, 1.8, Qt::RoundCap));
    drawLine(painter, {{15.5, 4}, {19, 7.2}, {15.5, 10}});

    QFont name(QStringLiteral("sans-serif"));
    name.setBold(true);
    name.setPixelSize(22);
    painter.setFont(name);
    painter.setPen(navy);
    painter.drawText(QPointF(39, 25), QStringLiteral("Velmor"));
}

// The option boxes' pictures are drawn in one dark ink.
constexpr QColor kInk(0x1F, 0x2D, 0x3D);

// A "0" as the decimals pictures write it: a rounded outline.
void drawZero(QPainter& painter, qreal left) {
    painter.drawRoundedRect(QRectF(left, 5.8, 5.4, 10.4), 2.6, 2.6);
}

// "0", "0.0", "0.00" or "0.000", centred in 44 by 22 units.
template <int kDecimals>
void drawDecimals(QPainter& painter) {
    constexpr qreal kZero = 5.4;         // a zero's width
    constexpr qreal kToDecimal = 13;     // from the units' zero to the first decimal
    constexpr qreal kToNextDecimal = 9;  // from one decimal to the next
    constexpr qreal kWidth =
        kZero + (kDecimals == 0 ? 0 : kToDecimal + kToNextDecimal * (kDecimals - 1));
    const qreal units = 22 - kWidth / 2;
    painter.setPen(stroke(kInk, 1.6, Qt::FlatCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    drawZero(painter, units);
    if constexpr (kDecimals > 0) {
        painter.fillRect(QRectF(units + 8.2, 15, 2, 2), kInk);  // the decimal mark
        for (int i = 0; i < kDecimals; ++i)
            drawZero(painter, units + kToDecimal + kToNextDecimal * i);
    }
}

// The rounding pictures, in 22 by 22 units: an arrow up to a line, an arrow
// down to a line, and an arrow from the halfway mark up to the line above.

void drawRoundUp(QPainter& painter) {
    painter.setPen(stroke(kInk, 2, Qt::RoundCap));
    drawLine(painter, {{4, 3.5}, {18, 3.5}});
    drawLine(painter, {{11, 19}, {11, 7.5}});
    drawLine(painter, {{6.5, 12}, {11, 7.5}, {15.5, 12}});
}

void drawRoundHalfUp(QPainter& painter) {
    painter.setPen(stroke(kInk, 2, Qt::RoundCap));
    drawLine(painter, {{4, 2.5}, {18, 2.5}});
    drawLine(painter, {{11, 13}, {11, 6.5}});
    drawLine(painter, {{7.5, 10}, {11, 6.5}, {14.5, 10}});
    painter.setPen(stroke(withOpacity(kInk, 0.55), 1.2, Qt::RoundCap));
    drawLine(painter, {{4, 19.5}, {18, 19.5}});
    // The halfway mark, dotted either side of the arrow; a dash pattern is
    // measured in pen widths.
    QPen dotted = stroke(kInk, 1.2, Qt::RoundCap);
    dotted.setDashPattern({1.5 / 1.2, 1.5 / 1.2});
    painter.setPen(dotted);
    drawLine(painter, {{2, 13}, {6.5, 13}});
    drawLine(painter, {{15.5, 13}, {20, 13}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
    painter.drawEllipse(QPointF(11, 13.5), 2.2, 2.2);
}

void drawRoundDown(QPainter& painter) {
    painter.setPen(stroke(kInk, 2, Qt::RoundCap));
    drawLine(painter, {{4, 18.5}, {18, 18.5}});
    drawLine(painter, {{11, 3}, {11, 14.5}});
    drawLine(painter, {{6.5, 10}, {11, 14.5}, {15.5, 10}});
}

constexpr QSize kOptionPicture{44, 22};
constexpr QSize kRoundingPicture{22, 22};
constexpr std::array<Picture, 4> kDecimalsPictures{{
    {"decimals 0", kOptionPicture, drawDecimals<0>},
    {"decimals 1", kOptionPicture, drawDecimals<1>},
    {"decimals 2", kOptionPicture, drawDecimals<2>},
    {"decimals 3", kOptionPicture, drawDecimals<3>},
}};
constexpr std::array<Picture, 3> kRoundingPictures{{
    {"round up", kRoundingPicture, drawRoundUp},
    {"round half up", kRoundingPicture, drawRoundHalfUp},
    {"round down", kRoundingPicture, drawRoundDown},
}};
constexpr Picture kBackground{"background", {513, 241}, drawBackground};
constexpr Picture kLogo{"logo", {152, 34}, drawLogo};

}  // namespace

const Picture& backgroundPicture() {
    return kBackground;
}
const Picture& logoPicture() {
    return kLogo;
}
const Picture& decimalsPicture(int decimals) {
    return kDecimalsPictures.at(static_cast<std::size_t>(decimals));
}
const Picture& roundingPicture(int box) {
    return kRoundingPictures.at(static_cast<std::size_t>(box));
}

}  // namespace velmor::ui
