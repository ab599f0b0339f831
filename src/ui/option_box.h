#pragma once

#include <QToolButton>

namespace velmor::ui {

// One of the main window's rounding option boxes: a checkable push button
// showing a picture. Velmor draws it itself, in its own colours under any
// system palette, so that the checked box stands out at a glance: a blue
// fill inside a dark blue border, where an unchecked box is near white
// with a grey one.
class OptionBox : public QToolButton {
    Q_OBJECT
public:
    using QToolButton::QToolButton;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmor::ui
