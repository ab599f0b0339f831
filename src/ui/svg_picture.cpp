#include "ui/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velmor::ui {

QPixmap svgPicture(const QString& resource, QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

}  // namespace velmor::ui
