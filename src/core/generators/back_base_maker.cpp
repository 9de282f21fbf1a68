#include "generators/back_base_maker.h"

#include <iterator>

#include "colours/ramp.h"
#include "equalizer/eq_parts.h"
#include "image/drawing.h"
#include "parts/part_loading.h"

namespace pelterra {

namespace {

using namespace back_base_maker;

constexpr int kSegmentSteps = 59;  // 60 rows per segment, 59 steps between them
constexpr int kStripLineEnd = 13;  // a line towards x 13 sets columns 0..12

struct Segment {
    int fromSwatch, toSwatch;
    int firstRow;
};

constexpr Segment kSegments[] = {
    {0, 1, 0},   // Top -> Middle, rows 0..59
    {1, 2, 59},  // Middle -> Bottom, rows 59..118
};
static_assert(std::size(kSegments) == 2);

// One regular grid of the sheet: 14 x 64 cells on a pitch of 15 across and 66 down, each cell
// taking the strip two rows lower than the one before, the second row starting 24 rows down.
struct CellGrid {
    int cellWidth, cellHeight;
    int pitchX, pitchY;
    int columns, rows;
    int stripStepPerColumn, stripStepPerRow;
};
constexpr CellGrid kSheetGrid{14, 64, 15, 66, 14, 2, 2, 24};

void drawSegment(Bitmap& strip, Colour from, Colour to, int firstRow) {
    const int r1 = GetRed(from), g1 = GetGreen(from), b1 = GetBlue(from);
    const int sr = roundHalfEven(static_cast<double>(GetRed(to) - r1) / kSegmentSteps);
    const int sg = roundHalfEven(static_cast<double>(GetGreen(to) - g1) / kSegmentSteps);
    const int sb = roundHalfEven(static_cast<double>(GetBlue(to) - b1) / kSegmentSteps);
    for (int i = 0; i <= kSegmentSteps; ++i) {
        const Colour c = RGB(clampChannel(r1 + i * sr), clampChannel(g1 + i * sg), clampChannel(b1 + i * sb));
        Line(strip, 0, firstRow + i, kStripLineEnd, firstRow + i, c);
    }
}

}  // namespace

void MakeSBase(Document& doc) {
    Bitmap& strip = doc.slot(kStrip);
    for (const Segment& s : kSegments)
        drawSegment(strip, doc.swatch(ctl::lblcolor, s.fromSwatch), doc.swatch(ctl::lblcolor, s.toSwatch), s.firstRow);
    doc.slotChanged(kStrip);
}

void MakeBackSheet(Document& doc) {
    const Bitmap& strip = doc.slot(kStrip);
    Bitmap& sheet = doc.slot(kSheet);
    const CellGrid& g = kSheetGrid;
    for (int a = 0; a < g.rows; ++a)
        for (int i = 0; i < g.columns; ++i)
            PaintPicture(sheet, strip, g.pitchX * i, g.pitchY * a, g.cellWidth, g.cellHeight, 0,
                         g.stripStepPerRow * a + g.stripStepPerColumn * i, g.cellWidth, g.cellHeight);
    doc.slotChanged(kSheet);
}

void MakeBackColor(Document& doc) {
    MakeSBase(doc);
    MakeBackSheet(doc);
}

void ApplyBackColor(Document& doc) {
    doc.copySlot(kSheet, -1, pic::EQSliderBackColor, -1);
    ForgetListChoice(doc, {pic::EQSliderBackColor, -1});
}

}  // namespace pelterra
