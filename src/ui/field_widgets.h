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

// Copies a passive label model into a QLabel.
void syncLabel(QLabel& widget, const Label& model);

}  // namespace velmor::ui
