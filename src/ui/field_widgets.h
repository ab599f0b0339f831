#pragma once

#include <QLabel>
#include <QWidget>

#include "controls/label.h"

namespace velmor::ui {

// A label of a unit field that takes mouse presses (number, decimals, unit).
class PressableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void sync(const Label& model);

signals:
    void pressed(int button, int modifiers);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// Notes on a widget the control model it shows, so that the widget of a
// model can be found again by whatever walks a window.
void markAsShowing(QWidget& widget, const void* model);
QWidget* widgetShowing(const QWidget& window, const void* model);

// Copies a passive label model into a QLabel, its texts in the user's
// language.
void syncLabel(QLabel& widget, const Label& model);

// Widens a label whose text runs wider than its rectangle (Liberation Sans
// or a translation longer than the face the layout was drawn for) to the
// left, so that its right edge, where the text meets what follows it, keeps
// its place.
void growToTheLeft(QLabel& label);

}  // namespace velmor::ui
