#include "image/bitmap.h"

#include <algorithm>

#include "image/picture_size.h"

namespace pelterra {

namespace {

// The number of pixels, once the size is known to be within the limits.
std::size_t pixelCount(int width, int height) {
    RequirePictureWithinLimits(width, height);
    return static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

}  // namespace

Bitmap::Bitmap(int width, int height, Colour fill)
    : m_width(std::max(width, 0)), m_height(std::max(height, 0)), m_pixels(pixelCount(m_width, m_height), fill) {}

void Bitmap::fill(Colour c) { std::fill(m_pixels.begin(), m_pixels.end(), c); }

void assign(Bitmap& slot, const Bitmap& picture, Colour background) {
    slot.fill(background);
    const int w = std::min(slot.width(), picture.width());
    const int h = std::min(slot.height(), picture.height());
    for (int y = 0; y < h; ++y) std::copy_n(picture.row(y), w, slot.row(y));
}

}  // namespace pelterra
