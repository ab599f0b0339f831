#include "ui/picture_icon_engine.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

namespace velmor::ui {

void PictureIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                              QIcon::State state) {
    const qreal ratio = painter->device()->devicePixelRatioF();
    QPixmap picture = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    picture.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, picture);
}

QPixmap PictureIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) {
    const QString key = QStringLiteral("velmor %1 %2x%3 %4")
                            .arg(QLatin1String(picture_.name))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(static_cast<int>(mode));
    QPixmap picture;
    if (QPixmapCache::find(key, &picture)) return picture;

    picture = QPixmap(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(qreal(size.width()) / picture_.size.width(),
                  qreal(size.height()) / picture_.size.height());
    picture_.draw(painter);
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

QIcon pictureIcon(const Picture& picture) {
    return QIcon(new PictureIconEngine(picture));
}

QIcon velmorIcon() {
    QIcon icon;
    // One file of raw pixels for each size, named by its size in pixels.
    const QDir folder(QStringLiteral(":/velmor/icon"));
    for (const QString& name : folder.entryList()) {
        const QByteArray pixels = QResource(folder.filePath(name)).uncompressedData();
        const int size = QFileInfo(name).baseName().toInt();
        if (pixels.size() != qsizetype(size) * size * 4) continue;
        icon.addPixmap(
            QPixmap::fromImage(QImage(reinterpret_cast<const uchar*>(pixels.constData()), size,
                                      size, QImage::Format_RGBA8888_Premultiplied)));
    }
    return icon;
}

}  // namespace velmor::ui
