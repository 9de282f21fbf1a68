#include "image/blit.h"

namespace pelterra {

void PaintBlit(Bitmap& target, const Bitmap& source, const Blit& blit, RasterOp op, Point offset) {
    BitBlt(target, blit.destination.x + offset.x, blit.destination.y + offset.y, blit.source.w, blit.source.h,
           source, blit.source.x, blit.source.y, op);
}

void PaintBlits(Bitmap& target, const Bitmap& source, std::span<const Blit> blits) {
    for (const Blit& b : blits) PaintBlit(target, source, b);
}

void PaintRun(Bitmap& target, const Bitmap& source, const BlitRun& run, Point offset) {
    for (int i = 0; i < run.count; ++i) PaintBlit(target, source, run.at(i), RasterOp::SRCCOPY, offset);
}

}  // namespace pelterra
