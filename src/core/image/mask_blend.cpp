#include "image/mask_blend.h"

#include <algorithm>
#include <bit>

#include "image/drawing.h"

namespace pelterra {

void PrepareMaskedData(WorkBitmaps& work, const Bitmap& data, const Bitmap& mask) {
    work.mask = mask;
    work.data = mask;
    PaintPicture(work.data, data, 0, 0, std::nullopt, std::nullopt, std::nullopt, std::nullopt,
                 std::nullopt, std::nullopt, RasterOp::SRCAND);
}

void MaskBlendBitwisePrepared(WorkBitmaps& work, Bitmap& dest, Point at, std::span<const Rect> rects) {
    for (const Rect& r : rects)
        BitBlt(work.mask, r.x, r.y, r.w, r.h, dest, at.x + r.x, at.y + r.y, RasterOp::SRCERASE);
    BitBlt(work.mask, 0, 0, work.mask.width(), work.mask.height(), work.data, 0, 0, RasterOp::SRCPAINT);
    BitBlt(dest, at.x, at.y, work.mask.width(), work.mask.height(), work.mask, 0, 0, RasterOp::SRCCOPY);
}

void MaskBlendBitwise(WorkBitmaps& work, const Bitmap& data, const Bitmap& mask, Bitmap& dest,
                      Point at, std::span<const Rect> rects) {
    PrepareMaskedData(work, data, mask);
    if (rects.empty()) {
        const Rect whole{0, 0, mask.width(), mask.height()};
        MaskBlendBitwisePrepared(work, dest, at, std::span<const Rect>(&whole, 1));
    } else {
        MaskBlendBitwisePrepared(work, dest, at, rects);
    }
}

void LoadAdditiveWork(WorkBitmaps& work, const Bitmap& data, const Bitmap& mask) {
    work.data = data;
    work.mask = mask;
}

namespace {

// back = max(b - m, 0), fore = max(m + d - 255, 0), out = min(back + fore, 255), for one channel.
inline unsigned additiveChannel(unsigned m, unsigned d, unsigned b) {
    const int back = static_cast<int>(b) - static_cast<int>(m);
    const int fore = static_cast<int>(m + d) - 255;
    const int sum = (back > 0 ? back : 0) + (fore > 0 ? fore : 0);
    return static_cast<unsigned>(sum < 255 ? sum : 255);
}

// The additive rule on a run of pixels, byte by byte: per channel
// out = saturate(saturate(b - m) + saturate(d - (255 - m))), which is the same as
// min(max(b - m, 0) + max(m + d - 255, 0), 255). The zero top byte stays zero. Written on bytes so
// that the compiler turns it into saturating vector instructions.
static_assert(std::endian::native == std::endian::little, "the byte-wise run reads red from the lowest byte");

void additiveRun(const Colour* mask, const Colour* data, Colour* target, int count) {
    const auto* m = reinterpret_cast<const unsigned char*>(mask);
    const auto* d = reinterpret_cast<const unsigned char*>(data);
    auto* t = reinterpret_cast<unsigned char*>(target);
    const int bytes = count * 4;
    for (int i = 0; i < bytes; ++i) {
        const unsigned char back = t[i] > m[i] ? static_cast<unsigned char>(t[i] - m[i]) : 0;
        const unsigned char notMask = static_cast<unsigned char>(255 - m[i]);
        const unsigned char fore = d[i] > notMask ? static_cast<unsigned char>(d[i] - notMask) : 0;
        const unsigned sum = static_cast<unsigned>(back) + fore;
        t[i] = static_cast<unsigned char>(sum > 255 ? 255 : sum);
    }
}

}  // namespace

Colour additivePixel(Colour m, Colour d, Colour b) {
    return additiveChannel(m & 255u, d & 255u, b & 255u) |
           additiveChannel((m >> 8) & 255u, (d >> 8) & 255u, (b >> 8) & 255u) << 8 |
           additiveChannel((m >> 16) & 255u, (d >> 16) & 255u, (b >> 16) & 255u) << 16;
}

void MaskBlendAdditive(const WorkBitmaps& work, Bitmap& target, int x0, int y0, int w, int h) {
    // Only target pixels inside the target are written; part pixels beyond the part read as white.
    const int yBegin = std::max(0, -y0), yEnd = std::min(h, target.height() - y0);
    const int xBegin = std::max(0, -x0), xEnd = std::min(w, target.width() - x0);
    for (int y = yBegin; y < yEnd; ++y) {
        Colour* t = target.row(y0 + y) + x0;
        const Colour* mrow = y < work.mask.height() ? work.mask.row(y) : nullptr;
        const Colour* drow = y < work.data.height() ? work.data.row(y) : nullptr;
        const int mEnd = mrow ? std::min(xEnd, work.mask.width()) : xBegin;
        const int dEnd = drow ? std::min(xEnd, work.data.width()) : xBegin;
        const int both = std::max(xBegin, std::min(mEnd, dEnd));
        if (both > xBegin) additiveRun(mrow + xBegin, drow + xBegin, t + xBegin, both - xBegin);
        for (int x = both; x < xEnd; ++x) {
            const Colour m = x < mEnd ? mrow[x] : kWhite;
            const Colour d = x < dEnd ? drow[x] : kWhite;
            t[x] = additivePixel(m, d, t[x]);
        }
    }
}

void MaskBlendAdditive(const WorkBitmaps& work, Bitmap& target) {
    MaskBlendAdditive(work, target, 0, 0, target.width(), target.height());
}

}  // namespace pelterra
