#include "ui/background_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include <utility>

#include "ui/picture_icon_engine.h"
#include "ui/qt_convert.h"

namespace velmor::ui {
namespace {

// The rounding marker: a small up triangle for "t" (rounded up), a down
// triangle for "u" (rounded down), nothing otherwise.
void paintMarker(QPainter& painter, const QRect& cell, const QString& marker) {
    const bool up = marker == QLatin1String("t");
    if (!up && marker != QLatin1String("u")) return;
    const QRectF box = QRectF(cell).adjusted(4, 5, -4, -5);
    const QPolygonF triangle =
        up ? QPolygonF{{box.center().x(), box.top()}, box.bottomRight(), box.bottomLeft()}
           : QPolygonF{box.topLeft(), box.topRight(), {box.center().x(), box.bottom()}};
    painter.drawPolygon(triangle);
}

// Repaints where a drawn control was and where it is now.
template <typename Drawn>
void replace(QWidget& widget, Drawn& drawn, Drawn now) {
    if (drawn == now) return;
    widget.update(drawn.geometry);
    widget.update(now.geometry);
    drawn = std::move(now);
}

}  // namespace

BackgroundWidget::BackgroundWidget(QWidget* parent)
    : QWidget(parent), picture_(pictureIcon(backgroundPicture())) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(149, 174, 184));
    setPalette(colours);
}

void BackgroundWidget::sync(const std::array<Shape, kFieldCount>& frames,
                            const std::array<Label, kFieldCount>& markers,
                            std::span<const Label> hints) {
    for (std::size_t i = 0; i < kFieldCount; ++i) {
        const Shape& frame = frames[i];
        replace(*this, frames_[i],
                frame.visible ? Frame{pixels(frame.geometry), qt(frame.fill)} : Frame{});
        const Label& marker = markers[i];
        replace(*this, markers_[i],
                marker.visible ? Marker{pixels(marker.geometry), qt(marker.caption)} : Marker{});
    }
    hints_.resize(hints.size());
    for (std::size_t k = 0; k < hints.size(); ++k) {
        const Label& hint = hints[k];
        replace(*this, hints_[k],
                hint.visible ? Text{pixels(hint.geometry), qt(hint.caption), qt(hint.font),
                                    qt(hint.fore), qt(hint.alignment)}
                             : Text{});
    }
}

QRect BackgroundWidget::drawnFrame(int field) const {
    return frames_[static_cast<std::size_t>(field)].geometry;
}

QString BackgroundWidget::drawnMarker(int field) const {
    return markers_[static_cast<std::size_t>(field)].caption;
}

QString BackgroundWidget::drawnHint(int index) const {
    return hints_[static_cast<std::size_t>(index)].caption;
}

QRect BackgroundWidget::hintGeometry(int index) const {
    return hints_[static_cast<std::size_t>(index)].geometry;
}

void BackgroundWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(&painter, rect());
    for (const Frame& frame : frames_) {
        if (!frame.geometry.isEmpty()) painter.fillRect(frame.geometry, frame.fill);
    }
    for (const Text& hint : hints_) {
        painter.setFont(hint.font);
        painter.setPen(hint.fore);
        painter.drawText(hint.geometry, static_cast<int>(hint.alignment), hint.caption);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (const Marker& marker : markers_)
        paintMarker(painter, marker.geometry, marker.caption);
}

void BackgroundWidget::mousePressEvent(QMouseEvent* event) {
    // A marker is a label: a press on it reaches no handler.
    for (const Marker& marker : markers_) {
        if (marker.geometry.contains(event->position().toPoint())) {
            event->ignore();
            return;
        }
    }
    event->accept();
    emit pressed();
}

}  // namespace velmor::ui
