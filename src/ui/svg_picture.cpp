#include "ui/svg_picture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velmor::ui {

QPixmap svgPicture(const QString& resource, QSize size) {
    QSvgRenderer renderer(resource);
    QPixmap picture(size.isEmpty() ? renderer.defaultSize() : size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    renderer.render(&painter);
    return picture;
}

}  // namespace velmor::ui
