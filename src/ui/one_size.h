#pragma once

#include <QSize>
#include <QWidget>

namespace velmor::ui {

// Gives a top-level window its one size, and keeps it there: a desktop that
// maximizes the window or makes it full screen anyway (a title bar's button
// or double click, a window manager's key) gets the window back as it was,
// and, on Wayland, without breaking the protocol.
void fixWindowSize(QWidget& window, QSize size);

}  // namespace velmor::ui
