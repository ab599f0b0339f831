#include "ui/field_widgets.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

#include "ui/qt_convert.h"

namespace velmor::ui {

void syncLabel(QLabel& widget, const Label& model) {
    const QString caption = qt(model.caption);
    if (widget.text() != caption) widget.setText(caption);
    // The font first: a label without a width is sized to its text.
    const QFont font = qt(model.font);
    if (widget.font() != font) widget.setFont(font);
    widget.setAlignment(qt(model.alignment));
    if (model.geometry.width > 0) {
        widget.setGeometry(pixels(model.geometry));
    } else {
        widget.move(pixels(model.geometry.left), pixels(model.geometry.top));
        widget.adjustSize();
    }
    widget.setVisible(model.visible);
    QPalette colours = widget.palette();
    colours.setColor(QPalette::WindowText, qt(model.fore));
    if (colours != widget.palette()) widget.setPalette(colours);
    const QString tip = qt(model.toolTip);
    if (widget.toolTip() != tip) widget.setToolTip(tip);
}

void PressableLabel::sync(const Label& model) {
    syncLabel(*this, model);
}

void PressableLabel::mousePressEvent(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    const int code = button == Qt::RightButton ? 2 : button == Qt::MiddleButton ? 4 : 1;
    const Qt::KeyboardModifiers mods = event->modifiers();
    emit pressed(code, (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                           (mods & Qt::AltModifier ? 4 : 0));
    event->accept();
}

void MarkerWidget::sync(const Label& model) {
    setGeometry(pixels(model.geometry));
    setVisible(model.visible);
    const QString marker = qt(model.caption);
    if (marker != marker_) {
        marker_ = marker;
        update();
    }
}

void MarkerWidget::paintEvent(QPaintEvent*) {
    if (marker_ != QLatin1String("t") && marker_ != QLatin1String("u")) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const QRectF box = QRectF(rect()).adjusted(4, 5, -4, -5);
    const bool up = marker_ == QLatin1String("t");
    const QPolygonF triangle =
        up ? QPolygonF{{box.center().x(), box.top()}, box.bottomRight(), box.bottomLeft()}
           : QPolygonF{box.topLeft(), box.topRight(), {box.center().x(), box.bottom()}};
    painter.drawPolygon(triangle);
}

}  // namespace velmor::ui
