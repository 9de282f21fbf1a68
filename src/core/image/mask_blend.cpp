#include "image/mask_blend.h"

#include <algorithm>

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

Colour additivePixel(Colour m, Colour d, Colour b) {
    auto channel = [](int mc, int dc, int bc) {
        const int back = std::max(bc - mc, 0);
        const int fore = std::max(mc + dc - 255, 0);
        return std::min(back + fore, 255);
    };
    return RGB(channel(GetRed(m), GetRed(d), GetRed(b)), channel(GetGreen(m), GetGreen(d), GetGreen(b)),
               channel(GetBlue(m), GetBlue(d), GetBlue(b)));
}

void MaskBlendAdditive(const WorkBitmaps& work, Bitmap& target, int x0, int y0, int w, int h) {
    // Only target pixels inside the target are written; part pixels beyond the part read as white.
    const int yBegin = std::max(0, -y0), yEnd = std::min(h, target.height() - y0);
    const int xBegin = std::max(0, -x0), xEnd = std::min(w, target.width() - x0);
    for (int y = yBegin; y < yEnd; ++y) {
        Colour* t = target.row(y0 + y) + x0;
        const bool dataRow = y < work.data.height(), maskRow = y < work.mask.height();
        for (int x = xBegin; x < xEnd; ++x) {
            const Colour m = maskRow && x < work.mask.width() ? work.mask.at(x, y) : kWhite;
            const Colour d = dataRow && x < work.data.width() ? work.data.at(x, y) : kWhite;
            t[x] = additivePixel(m, d, t[x]);
        }
    }
}

void MaskBlendAdditive(const WorkBitmaps& work, Bitmap& target) {
    MaskBlendAdditive(work, target, 0, 0, target.width(), target.height());
}

}  // namespace pelterra
