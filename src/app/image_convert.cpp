#include "image_convert.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

#include "image/picture_size.h"

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

namespace {

// The size of an image taken down, keeping its proportions, until it lies within the picture
// limits; the same size when it does already.
QSize withinPictureLimits(QSize size) {
    const double width = size.width(), height = size.height();
    if (FitsPictureLimits(size.width(), size.height())) return size;
    const double factor = std::min({kMaxPictureSide / width, kMaxPictureSide / height,
                                    std::sqrt(static_cast<double>(kMaxPicturePixels) / (width * height))});
    return QSize(std::max(1, static_cast<int>(width * factor)), std::max(1, static_cast<int>(height * factor)));
}

}  // namespace

Bitmap toBitmap(const QImage& image) {
    if (image.isNull()) return {};
    // A picture from the clipboard may be larger than any the program makes; every place it is
    // pasted stretches or cuts it to a window's size, so it is taken down to the limits first.
    QImage opaque(withinPictureLimits(image.size()), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        if (opaque.size() == image.size()) {
            painter.drawImage(0, 0, image);
        } else {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRect(QPoint(0, 0), opaque.size()), image);
        }
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
