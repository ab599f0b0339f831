#include "ui/svg_icon_engine.h"

#include <QApplication>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <utility>

namespace velmor::ui {

SvgIconEngine::SvgIconEngine(QString resource, std::vector<Drawn> drawn) {
    std::sort(drawn.begin(), drawn.end(),
              [](const Drawn& a, const Drawn& b) { return a.size < b.size; });
    for (Drawn& picture : drawn)
        pictures_.push_back({picture.size, std::move(picture.resource), {}});
    pictures_.push_back({0, std::move(resource), {}});
}

SvgIconEngine::Picture& SvgIconEngine::pictureFor(const QSize& size) {
    const int wanted = std::max(size.width(), size.height());
    for (Picture& picture : pictures_)
        if (picture.size >= wanted) return picture;
    return pictures_.back();
}

void SvgIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                          QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QPixmap SvgIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    Picture& source = pictureFor(size);
    const QString key = QStringLiteral("velmor %1 %2x%3 %4")
                            .arg(source.resource)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(static_cast<int>(mode));
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;

    picture = QPixmap(size);
    picture.fill(Qt::transparent);
    if (!source.renderer) source.renderer = std::make_unique<QSvgRenderer>(source.resource);
    QPainter painter(&picture);
    source.renderer->render(&painter);
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
    std::vector<Drawn> drawn;
    for (const Picture& picture : pictures_)
        if (picture.size > 0) drawn.push_back({picture.size, picture.resource});
    return new SvgIconEngine(pictures_.back().resource, std::move(drawn));
}

QIcon svgIcon(const QString& resource) {
    return QIcon(new SvgIconEngine(resource));
}

QIcon velmorIcon() {
    std::vector<SvgIconEngine::Drawn> drawn;
    for (int size : {16, 24, 32, 48})
        drawn.push_back({size, QStringLiteral(":/velmor/icon-%1.svg").arg(size)});
    return QIcon(new SvgIconEngine(QStringLiteral(":/velmor/icon.svg"), std::move(drawn)));
}

}  // namespace velmor::ui
