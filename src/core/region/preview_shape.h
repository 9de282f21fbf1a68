// The shape of the preview window PreViewForm: the whole window with the preview picture cut
// out, and then either the whole picture put back (no region) or the traced outlines of the last
// region trace laid over it by exclusive or. The core returns the shape as data, pieces combined
// in order; the GUI turns them into its window region (rectangle and alternate-fill polygon
// regions, exclusive or and union).
#pragma once

#include <vector>

#include "document/document.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

enum class ShapeCombine {
    Start,  // the first piece: the shape begins as this rectangle
    Xor,    // exclusive or with the shape so far
    Union,  // union with the shape so far
};

// A rectangle (x, y) w x h, or a polygon filled by the alternate (even-odd) rule.
struct ShapePiece {
    ShapeCombine combine = ShapeCombine::Start;
    bool isPolygon = false;
    Rect rect;
    std::vector<Point> polygon;
};

struct WindowShape {
    std::vector<ShapePiece> pieces;
};

// Where the preview picture PreView1 lies, in pixels of the window including its frame: its
// Left and Top inside the client area (the shape adds the 3-pixel border and the 22-pixel title
// bar), its Width and Height (one window; the equalizer mock-up lies below it).
struct PreviewWindowLayout {
    int windowWidth = 0;
    int windowHeight = 0;
    Rect picture;
};

// ApplyPreviewRegion: mode 0 when "Region.txtを出力する" is checked, 1 otherwise. Mode 1 puts
// the whole 275 x 232 picture back; mode 0 lays every traced outline over it by exclusive or,
// area 0 over the upper window and (when the EQ region flag is 1) area 1 over the lower one. A
// polygon whose last point repeats its first leaves that point out; outlines of fewer than three
// points enclose nothing and are left out. The outlines are those the document holds
// (TracedOutlines): without a trace, or with a count beyond them, mode 0 is an error.
Result<WindowShape> ApplyPreviewRegion(const Document& doc, int mode, const PreviewWindowLayout& layout);

}  // namespace pelterra
