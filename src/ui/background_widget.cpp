#include "ui/background_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/svg_icon_engine.h"

namespace velmor::ui {

BackgroundWidget::BackgroundWidget(QWidget* parent)
    : QWidget(parent), picture_(svgIcon(QStringLiteral(":/velmor/background.svg"))) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(149, 174, 184));
    setPalette(colours);
}

void BackgroundWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.paint(&painter, rect());
}

void BackgroundWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed();
}

}  // namespace velmor::ui
