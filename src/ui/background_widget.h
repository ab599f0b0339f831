#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QRect>
#include <QString>
#include <QWidget>

#include <array>
#include <span>
#include <vector>

#include "controls/label.h"
#include "controls/shape.h"
#include "engine/unit_table.h"

namespace velmor::ui {

// The window's background picture, and on it the controls that have no
// window of their own: the fields' grey frames, the rounding markers and the
// key hints beneath the option boxes, drawn the way a container draws its
// lightweight controls. The other controls lie over it; a press on it, or
// on a frame, hands the focus back to the entry box.
class BackgroundWidget : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundWidget(QWidget* parent);

    // Takes the models, repainting what changed.
    void sync(const std::array<Shape, kFieldCount>& frames,
              const std::array<Label, kFieldCount>& markers, std::span<const Label> hints);

    // What is drawn: an empty rectangle or text where nothing is.
    QRect drawnFrame(int field) const;
    QString drawnMarker(int field) const;
    QString drawnHint(int index) const;
    QRect hintGeometry(int index) const;

signals:
    void pressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Frame {
        QRect geometry;
        QColor fill;
        friend bool operator==(const Frame&, const Frame&) = default;
    };
    struct Marker {
        QRect geometry;
        QString caption;
        friend bool operator==(const Marker&, const Marker&) = default;
    };
    struct Text {
        QRect geometry;
        QString caption;
        QFont font;
        QColor fore;
        Qt::Alignment alignment;
        friend bool operator==(const Text&, const Text&) = default;
    };

    QIcon picture_;
    std::array<Frame, kFieldCount> frames_{};
    std::array<Marker, kFieldCount> markers_{};
    std::vector<Text> hints_;
};

}  // namespace velmor::ui
