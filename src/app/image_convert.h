// Pictures between the core and Qt: a Bitmap's Colour values (red + green*256 + blue*65536) and
// a QImage's pixels.
#pragma once

#include <QImage>

#include "image/bitmap.h"

namespace pelterra::app {

// An opaque QImage of the same size and pixels.
QImage toQImage(const Bitmap& bitmap);

// A Bitmap of the same size (taken down to the picture limits, proportions kept, when it is
// larger); transparent pixels are laid over white, as a picture pasted onto a white slot would
// show them. A null image gives an empty Bitmap.
Bitmap toBitmap(const QImage& image);

}  // namespace pelterra::app
