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

// The rounding marker: a small up triangle for "t" (rounded up), a down
// triangle for "u" (rounded down), nothing otherwise.
class MarkerWidget : public QWidget {
public:
    using QWidget::QWidget;

    void sync(const Label& model);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString marker_;
};

// Copies a passive label model into a QLabel.
void syncLabel(QLabel& widget, const Label& model);

}  // namespace velmor::ui
