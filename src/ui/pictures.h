#pragma once

#include <QSize>

class QPainter;

namespace velmor::ui {

// One of Velmor's pictures, drawn with QPainter in its own units: a painter
// scaled to any size and pixel density draws it sharp, and start-up loads no
// picture format or renderer to show it.
struct Picture {
    const char* name;  // tells the picture's pixmaps apart in QPixmapCache
    QSize size;        // its own width and height, in units
    void (*draw)(QPainter& painter);
};

// The main window's background: a soft gradient with faint traces.
const Picture& backgroundPicture();
// The About box's logo: rising blocks with an arrow, and the name.
const Picture& logoPicture();
// An option box's picture: a number with 0 to 3 decimals.
const Picture& decimalsPicture(int decimals);
// An option box's picture for the rounding boxes from left to right: up,
// half up, down.
const Picture& roundingPicture(int box);

}  // namespace velmor::ui
