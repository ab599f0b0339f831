#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>
#include <string_view>

#include "controls/font.h"
#include "controls/geometry.h"

namespace velmor::ui {

inline QString qt(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u16string core(const QString& text) {
    return text.toStdU16String();
}

inline int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect pixels(const Rect& twips) {
    return {pixels(twips.left), pixels(twips.top), pixels(twips.width), pixels(twips.height)};
}

inline Rect twips(const QRect& pixels) {
    return {pixels.x() * kTwipsPerPixel, pixels.y() * kTwipsPerPixel,
            pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel};
}

inline QColor qt(Rgb rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

// Liberation Sans stands in for the Windows sans serif faces, unhinted: text
// measures the same on every machine whatever its hinting settings, so the
// fixed layout fits alike everywhere, and glyphs load without the hinter.
QFont qt(const Font& font);

Qt::Alignment qt(Alignment alignment);

}  // namespace velmor::ui
