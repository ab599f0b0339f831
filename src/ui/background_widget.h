#pragma once

#include <QIcon>
#include <QWidget>

namespace velmor::ui {

// The window's background picture. The other controls lie over it; a press
// on it hands the focus back to the entry box.
class BackgroundWidget : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundWidget(QWidget* parent);

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QIcon picture_;
};

}  // namespace velmor::ui
