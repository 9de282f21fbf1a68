// The one row type of every copy table: a rectangle of a source picture and the point of the
// target picture it lands on, copied 1:1. Regular grids of equal copies are a BlitRun.
#pragma once

#include <span>

#include "image/bitmap.h"
#include "image/drawing.h"

namespace pelterra {

struct Blit {
    Rect source{};
    Point destination{};
    constexpr bool operator==(const Blit&) const = default;
};

// `count` copies of the same source rectangle, the first at first.destination and each next one
// `step` further on.
struct BlitRun {
    Blit first{};
    Point step{};
    int count = 0;

    constexpr Blit at(int i) const {
        return {first.source, {first.destination.x + step.x * i, first.destination.y + step.y * i}};
    }
};

// BitBlt of one row; `offset` moves the destination.
void PaintBlit(Bitmap& target, const Bitmap& source, const Blit& blit, RasterOp op = RasterOp::SRCCOPY,
               Point offset = {});
// Every row of a table in table order, SRCCOPY.
void PaintBlits(Bitmap& target, const Bitmap& source, std::span<const Blit> blits);
// Every copy of a run in order, SRCCOPY, moved by `offset`.
void PaintRun(Bitmap& target, const Bitmap& source, const BlitRun& run, Point offset = {});

}  // namespace pelterra
