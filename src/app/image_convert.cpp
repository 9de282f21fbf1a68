#include "image_convert.h"

#include <QPainter>

namespace pelterra::app {

QImage toQImage(const Bitmap& bitmap) {
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y) {
        const Colour* from = bitmap.row(y);
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x)
            to[x] = qRgb(GetRed(from[x]), GetGreen(from[x]), GetBlue(from[x]));
    }
    return image;
}

Bitmap toBitmap(const QImage& image) {
    if (image.isNull()) return {};
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    Bitmap bitmap(opaque.width(), opaque.height());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(opaque.constScanLine(y));
        Colour* to = bitmap.row(y);
        for (int x = 0; x < opaque.width(); ++x) to[x] = RGB(qRed(from[x]), qGreen(from[x]), qBlue(from[x]));
    }
    return bitmap;
}

}  // namespace pelterra::app
