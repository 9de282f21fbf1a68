#include "image/drawing.h"

#include <algorithm>
#include <cstdlib>

namespace pelterra {

namespace {

// Clips a transfer of w x h pixels from src(sx, sy) to dest(dx, dy) to the parts that lie inside
// both bitmaps. Returns false when nothing is left.
bool clipTransfer(const Bitmap& dest, int& dx, int& dy, int& w, int& h, const Bitmap& src, int& sx,
                  int& sy) {
    auto clipAxis = [](int& d, int& s, int& len, int dLimit, int sLimit) {
        const int shift = std::max({0, -d, -s});
        d += shift;
        s += shift;
        len -= shift;
        len = std::min({len, dLimit - d, sLimit - s});
        return len > 0;
    };
    return clipAxis(dx, sx, w, dest.width(), src.width()) &&
           clipAxis(dy, sy, h, dest.height(), src.height());
}

template <RasterOp Op>
void transferRows(Bitmap& dest, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy) {
    for (int j = 0; j < h; ++j) {
        const Colour* s = src.row(sy + j) + sx;
        Colour* d = dest.row(dy + j) + dx;
        for (int i = 0; i < w; ++i) d[i] = applyRop(Op, s[i], d[i]);
    }
}

void transfer(Bitmap& dest, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
              RasterOp rop) {
    switch (rop) {
        case RasterOp::SRCCOPY: return transferRows<RasterOp::SRCCOPY>(dest, dx, dy, w, h, src, sx, sy);
        case RasterOp::SRCAND: return transferRows<RasterOp::SRCAND>(dest, dx, dy, w, h, src, sx, sy);
        case RasterOp::SRCPAINT: return transferRows<RasterOp::SRCPAINT>(dest, dx, dy, w, h, src, sx, sy);
        case RasterOp::SRCERASE: return transferRows<RasterOp::SRCERASE>(dest, dx, dy, w, h, src, sx, sy);
    }
}

}  // namespace

void BitBlt(Bitmap& dest, int dx, int dy, int w, int h, const Bitmap& src, int sx, int sy,
            RasterOp rop) {
    if (!clipTransfer(dest, dx, dy, w, h, src, sx, sy)) return;
    if (&dest == &src) {
        // Overlapping transfers within one bitmap read the source as it was before the call.
        const Bitmap copy = src;
        transfer(dest, dx, dy, w, h, copy, sx, sy, rop);
        return;
    }
    transfer(dest, dx, dy, w, h, src, sx, sy, rop);
}

void PaintPicture(Bitmap& dest, const Bitmap& src, int x1, int y1, std::optional<int> w1,
                  std::optional<int> h1, std::optional<int> x2, std::optional<int> y2,
                  std::optional<int> w2, std::optional<int> h2, RasterOp rop) {
    const int sx = x2.value_or(0);
    const int sy = y2.value_or(0);
    const int sw = w2.value_or(src.width());
    const int sh = h2.value_or(src.height());
    const int dw = w1.value_or(sw);
    const int dh = h1.value_or(sh);
    if (dw == sw && dh == sh) {
        BitBlt(dest, x1, y1, dw, dh, src, sx, sy, rop);
        return;
    }
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
    const Bitmap* source = &src;
    Bitmap copy;
    if (&dest == &src) {
        copy = src;
        source = &copy;
    }
    const int yBegin = std::max(0, -y1), yEnd = std::min(dh, dest.height() - y1);
    const int xBegin = std::max(0, -x1), xEnd = std::min(dw, dest.width() - x1);
    for (int j = yBegin; j < yEnd; ++j) {
        // Nearest source pixel: the one under the centre of the destination pixel.
        const int syj = sy + static_cast<int>((2LL * j + 1) * sh / (2LL * dh));
        if (syj < 0 || syj >= source->height()) continue;
        const Colour* srow = source->row(syj);
        Colour* drow = dest.row(y1 + j);
        for (int i = xBegin; i < xEnd; ++i) {
            const int sxi = sx + static_cast<int>((2LL * i + 1) * sw / (2LL * dw));
            if (sxi < 0 || sxi >= source->width()) continue;
            drow[x1 + i] = applyRop(rop, srow[sxi], drow[x1 + i]);
        }
    }
}

Colour GetPixel(const Bitmap& bitmap, int x, int y) {
    return bitmap.contains(x, y) ? bitmap.at(x, y) : kOutsideColour;
}

void SetPixel(Bitmap& bitmap, int x, int y, Colour colour) {
    if (bitmap.contains(x, y)) bitmap.at(x, y) = colour & 0xFFFFFFu;
}

namespace {

void fillRect(Bitmap& bitmap, int left, int top, int right, int bottom, Colour colour) {
    left = std::max(left, 0);
    top = std::max(top, 0);
    right = std::min(right, bitmap.width() - 1);
    bottom = std::min(bottom, bitmap.height() - 1);
    for (int y = top; y <= bottom; ++y) std::fill(bitmap.row(y) + left, bitmap.row(y) + right + 1, colour);
}

// Bresenham's line from (x1, y1) up to, but not including, (x2, y2).
void drawOpenLine(Bitmap& bitmap, int x1, int y1, int x2, int y2, Colour colour) {
    const int dx = std::abs(x2 - x1), sx = x1 < x2 ? 1 : -1;
    const int dy = -std::abs(y2 - y1), sy = y1 < y2 ? 1 : -1;
    int err = dx + dy;
    int x = x1, y = y1;
    while (x != x2 || y != y2) {
        SetPixel(bitmap, x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

}  // namespace

void Line(Bitmap& bitmap, int x1, int y1, int x2, int y2, Colour colour, LineForm form) {
    colour &= 0xFFFFFFu;
    const int left = std::min(x1, x2), right = std::max(x1, x2);
    const int top = std::min(y1, y2), bottom = std::max(y1, y2);
    switch (form) {
        case LineForm::Line:
            drawOpenLine(bitmap, x1, y1, x2, y2, colour);
            return;
        case LineForm::Box:
            fillRect(bitmap, left, top, right, top, colour);
            fillRect(bitmap, left, bottom, right, bottom, colour);
            fillRect(bitmap, left, top, left, bottom, colour);
            fillRect(bitmap, right, top, right, bottom, colour);
            return;
        case LineForm::FilledBox:
            fillRect(bitmap, left, top, right, bottom, colour);
            return;
    }
}

}  // namespace pelterra
