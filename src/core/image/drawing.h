// The drawing operations every composition is written in: rectangle transfer with a raster
// operation, picture drawing with optional scaling, single-pixel access and line/box drawing.
#pragma once

#include <cstdint>
#include <optional>

#include "image/bitmap.h"

namespace pelterra {

// The four raster operations the system uses, with the GDI ternary codes it passes.
enum class RasterOp : std::uint32_t {
    SRCCOPY = 0x00CC0020,   // S
    SRCAND = 0x008800C6,    // S AND D
    SRCPAINT = 0x00EE0086,  // S OR D
    SRCERASE = 0x00440328,  // S AND (NOT D)
};

// Applies a raster operation to one pair of pixels, on the 24 colour bits.
constexpr Colour applyRop(RasterOp rop, Colour s, Colour d) {
    switch (rop) {
        case RasterOp::SRCCOPY: return s & 0xFFFFFFu;
        case RasterOp::SRCAND: return (s & d) & 0xFFFFFFu;
        case RasterOp::SRCPAINT: return (s | d) & 0xFFFFFFu;
        case RasterOp::SRCERASE: return (s & ~d) & 0xFFFFFFu;
    }
    return s & 0xFFFFFFu;
}

// dest(dx+i, dy+j) := rop(src(sx+i, sy+j), dest(dx+i, dy+j)) for 0 <= i < w, 0 <= j < h.
// Pixels outside dest are not written; a source pixel outside src leaves its destination as it is.
// dest and src may be the same bitmap, overlapping or not.
void BitBlt(Bitmap& dest, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
            RasterOp rop);

// Draws the source rectangle (x2, y2, w2, h2) of src onto (x1, y1, w1, h1) of dest. Omitted
// arguments default to x2 = y2 = 0, w2/h2 = src's size, w1 = w2, h1 = h2, rop = SRCCOPY. When the
// sizes differ the source is scaled with the nearest source pixel for each destination pixel.
void PaintPicture(Bitmap& dest, const Bitmap& src, int x1, int y1,
                  std::optional<int> w1 = std::nullopt, std::optional<int> h1 = std::nullopt,
                  std::optional<int> x2 = std::nullopt, std::optional<int> y2 = std::nullopt,
                  std::optional<int> w2 = std::nullopt, std::optional<int> h2 = std::nullopt,
                  RasterOp rop = RasterOp::SRCCOPY);

// The pixel at (x, y), or kOutsideColour (-1, read as white) outside the bitmap.
Colour GetPixel(const Bitmap& bitmap, int x, int y);

// Sets one pixel; outside the bitmap nothing happens.
void SetPixel(Bitmap& bitmap, int x, int y, Colour colour);

enum class LineForm { Line, Box, FilledBox };

// Line: from (x1, y1) towards (x2, y2), the end point itself not set. Box: the outline of the
// rectangle with corners (x1, y1) and (x2, y2), both included. FilledBox: that rectangle filled.
void Line(Bitmap& bitmap, int x1, int y1, int x2, int y2, Colour colour,
          LineForm form = LineForm::Line);

}  // namespace pelterra
