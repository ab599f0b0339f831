#pragma once

#include <QIcon>
#include <QIconEngine>

#include "ui/pictures.h"

namespace velmor::ui {

// One of Velmor's pictures as an icon, drawn the first time it is painted
// at the size and pixel density asked for, and kept in QPixmapCache for the
// paints after it.
class PictureIconEngine : public QIconEngine {
public:
    explicit PictureIconEngine(const Picture& picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override { return new PictureIconEngine(picture_); }

private:
    const Picture& picture_;
};

QIcon pictureIcon(const Picture& picture);
// Velmor's own icon, for the window manager's title bars and task lists:
// the sizes drawn for small panels and two of the scalable picture,
// rendered when Velmor was built, so that showing it takes no renderer.
QIcon velmorIcon();

}  // namespace velmor::ui
