#include "ui/field_widgets.h"

#include <QMouseEvent>

#include "ui/qt_convert.h"
#include "ui/translations.h"

namespace velmor::ui {

namespace {
constexpr const char* kModelProperty = "velmorModel";
}  // namespace

void markAsShowing(QWidget& widget, const void* model) {
    widget.setProperty(kModelProperty, QVariant::fromValue(reinterpret_cast<quintptr>(model)));
}

QWidget* widgetShowing(const QWidget& window, const void* model) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->property(kModelProperty).value<quintptr>() == reinterpret_cast<quintptr>(model))
            return widget;
    }
    return nullptr;
}

void syncLabel(QLabel& widget, const Label& model) {
    markAsShowing(widget, &model);
    const QString caption = translated(model.caption);
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
    // A label's colour while it is enabled; a disabled one stays greyed,
    // and one already in its colour keeps the palette it inherits.
    QPalette colours = widget.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::WindowText, qt(model.fore));
    }
    if (colours != widget.palette()) widget.setPalette(colours);
    // A label whose model has no tooltip keeps the one the view gives it.
    if (model.toolTip.empty()) return;
    const QString tip = translated(model.toolTip);
    if (widget.toolTip() != tip) widget.setToolTip(tip);
}

void growToTheLeft(QLabel& label) {
    if (const int wanted = label.sizeHint().width(); wanted > label.width()) {
        label.setGeometry(label.geometry().adjusted(label.width() - wanted, 0, 0, 0));
    }
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

}  // namespace velmor::ui
