#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QString>
#include <QSvgRenderer>

#include <memory>
#include <vector>

namespace velmor::ui {

// One of Velmor's SVG pictures as an icon, drawn with QSvgRenderer the first
// time it is painted, at the size and pixel density asked for, and kept in
// QPixmapCache for the paints after it. Pictures stay sharp on high-density
// screens, start-up parses none of them, and no icon plugin is loaded.
//
// A picture may come with versions drawn by hand for small sizes: a size asks
// for the smallest drawn version at least as large, and beyond the largest
// the scalable picture serves.
class SvgIconEngine : public QIconEngine {
public:
    struct Drawn {
        int size;  // the width and height it was drawn for, in pixels
        QString resource;
    };

    explicit SvgIconEngine(QString resource, std::vector<Drawn> drawn = {});

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    struct Picture {
        int size;  // 0 for the scalable picture
        QString resource;
        // Parsed at the first picture drawn, for the sizes asked after it.
        std::unique_ptr<QSvgRenderer> renderer;
    };
    Picture& pictureFor(const QSize& size);

    std::vector<Picture> pictures_;  // drawn sizes from small to large, then the scalable one
};

QIcon svgIcon(const QString& resource);
// Velmor's own icon: the scalable picture and its versions drawn for 16, 24,
// 32 and 48 pixels, the same set the desktop's icon theme gets.
QIcon velmorIcon();

}  // namespace velmor::ui
