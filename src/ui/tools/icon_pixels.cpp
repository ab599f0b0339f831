// Renders one of Velmor's icon drawings at a size in pixels, as raw
// premultiplied RGBA bytes, row after row: what the program shows as its
// window icon without any image reader or SVG renderer at start-up.
// Usage: velmor_icon_pixels DRAWING.svg SIZE OUTPUT
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DRAWING.svg SIZE OUTPUT\n", argv[0]);
        return 2;
    }
    QSvgRenderer drawing(QString::fromLocal8Bit(argv[1]));
    const int size = QByteArray(argv[2]).toInt();
    if (!drawing.isValid() || size <= 0) {
        std::fprintf(stderr, "%s: cannot render %s at %s pixels\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    // Byte order R, G, B, A whatever the machine's endianness.
    QImage image(size, size, QImage::Format_RGBA8888_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    painter.end();

    QFile output(QString::fromLocal8Bit(argv[3]));
    const auto bytes = static_cast<qint64>(image.sizeInBytes());
    if (!output.open(QIODevice::WriteOnly) ||
        output.write(reinterpret_cast<const char*>(image.constBits()), bytes) != bytes) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
