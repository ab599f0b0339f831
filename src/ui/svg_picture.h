#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

namespace velmor::ui {

// Renders one of Velmor's SVG pictures at the given size, or at its own size
// when none is given. Drawing them with QSvgRenderer directly spares
// start-up the loading of Qt's SVG plugins.
QPixmap svgPicture(const QString& resource, QSize size = {});

}  // namespace velmor::ui
