#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QString>
#include <QSvgRenderer>

#include <memory>

namespace velmor::ui {

// One of Velmor's SVG pictures as an icon, drawn with QSvgRenderer the first
// time it is painted, at the size and pixel density asked for, and kept in
// QPixmapCache for the paints after it. Pictures stay sharp on high-density
// screens, start-up parses none of them, and no icon plugin is loaded.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString resource);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;

private:
    QString resource_;
    // Parsed at the first picture drawn, for the sizes asked after it.
    std::unique_ptr<QSvgRenderer> renderer_;
};

QIcon svgIcon(const QString& resource);

}  // namespace velmor::ui
