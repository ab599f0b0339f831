#include "ui/svg_icon_engine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace velmor::ui {

SvgIconEngine::SvgIconEngine(QString resource) : resource_(std::move(resource)) {}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    const QString key = QStringLiteral("velmor %1 %2x%3 %4")
                            .arg(resource_)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(static_cast<int>(mode));
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;

    picture = QPixmap(size);
    picture.fill(Qt::transparent);
    if (!renderer_) renderer_ = std::make_unique<QSvgRenderer>(resource_);
    QPainter painter(&picture);
    renderer_->render(&painter);
    painter.end();
    if (mode != QIcon::Normal) {
        // Greyed or highlighted the way the style shows any other icon.
        QStyleOption option;
        option.palette = QApplication::palette();
        picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
    }
    QPixmapCache::insert(key, picture);
    return picture;
}

QIconEngine* SvgIconEngine::clone() const {
    return new SvgIconEngine(resource_);
}

QIcon svgIcon(const QString& resource) {
    return QIcon(new SvgIconEngine(resource));
}

}  // namespace velmor::ui
