#include "region/preview_shape.h"

#include "region/region_text.h"
#include "region/region_trace.h"

namespace pelterra {

namespace {

// The window's frame around its client area: border width and title bar height.
constexpr int kFrameLeft = 3;
constexpr int kFrameTop = 22;

ShapePiece rectangle(ShapeCombine combine, Rect rect) {
    ShapePiece piece;
    piece.combine = combine;
    piece.rect = rect;
    return piece;
}

// Each outline of an area as an exclusive-or polygon shifted by (dx, dy).
void addOutlines(WindowShape& shape, std::span<const Outline> outlines, int dx, int dy) {
    for (const Outline& outline : outlines) {
        std::size_t n = outline.size();
        if (n >= 2 && outline.front() == outline.back()) --n;
        if (n < 3) continue;
        ShapePiece piece;
        piece.combine = ShapeCombine::Xor;
        piece.isPolygon = true;
        piece.polygon.reserve(n);
        for (std::size_t i = 0; i < n; ++i) piece.polygon.push_back({outline[i].x + dx, outline[i].y + dy});
        shape.pieces.push_back(std::move(piece));
    }
}

}  // namespace

Result<WindowShape> ApplyPreviewRegion(const Document& doc, int mode, const PreviewWindowLayout& layout) {
    const int px = layout.picture.x + kFrameLeft;
    const int py = layout.picture.y + kFrameTop;
    WindowShape shape;
    shape.pieces.push_back(rectangle(ShapeCombine::Start, {0, 0, layout.windowWidth, layout.windowHeight}));
    // Main window mock-up above, equalizer below: the picture's area twice its height.
    shape.pieces.push_back(rectangle(ShapeCombine::Xor, {px, py, layout.picture.w, 2 * layout.picture.h}));
    if (mode == 1)
        shape.pieces.push_back(
            rectangle(ShapeCombine::Union, {px, py, kRegionImageWidth, 2 * kRegionImageHeight}));
    if (mode == 0) {
        auto main = TracedOutlines(doc, 0);
        if (!main) return main.error();
        addOutlines(shape, *main, px, py);
        if (doc.value(ctl::EqRegionFlag) == 1) {
            auto eq = TracedOutlines(doc, 1);
            if (!eq) return eq.error();
            addOutlines(shape, *eq, px, py + kRegionImageHeight);
        }
    }
    return shape;
}

}  // namespace pelterra
