#include "ui/qt_convert.h"

namespace velmor::ui {

QFont qt(const Font& font) {
    QFont qfont(QStringLiteral("Liberation Sans"));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    qfont.setHintingPreference(QFont::PreferNoHinting);
    return qfont;
}

Qt::Alignment qt(Alignment alignment) {
    switch (alignment) {
        case Alignment::Left:
            return Qt::AlignLeft | Qt::AlignVCenter;
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

}  // namespace velmor::ui
