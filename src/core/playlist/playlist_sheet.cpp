#include "playlist/playlist_sheet.h"

#include <iterator>

#include "image/blit.h"
#include "image/drawing.h"
#include "image/mask_blend.h"
#include "playlist/playlist_layout.h"

namespace pelterra {

namespace {

using namespace playlist;

constexpr SlotName kParts = pic::picPLPartsData;

// A piece of a part slot copied as it is.
struct PieceCopy {
    int slot;
    Blit blit;  // from the slot to the sheet
};

// Scroll handle and small buttons: always copied.
constexpr PieceCopy kSmallPieces[] = {
    {35, {{0, 0, 9, 9}, {52, 42}}},    // small button, pressed
    {36, {{0, 0, 9, 9}, {62, 42}}},    // small button, pressed
    {37, {{0, 0, 9, 9}, {150, 42}}},   // small button, pressed
    {34, {{0, 0, 8, 18}, {52, 53}}},   // scroll handle
    {34, {{9, 0, 8, 18}, {61, 53}}},   // scroll handle, pressed
};
static_assert(std::size(kSmallPieces) == 5);

// A sheet rectangle filled from the source picture, with the part data/mask laid over it when
// its box is checked.
struct Overlay {
    Blit blit;  // from the source picture to the sheet
    int data;   // part Data slot
    int mask;
};

// The shade bar, under "ShadeModeパーツを出力する". Both right ends take the same part.
constexpr Overlay kShadeBar[] = {
    {{{0, 0, 25, 14}, {72, 42}}, 28, 29},    // left end
    {{{224, 0, 50, 14}, {99, 42}}, 32, 33},  // right end
    {{{224, 0, 50, 14}, {99, 57}}, 32, 33},  // right end, second row
    {{{25, 0, 25, 14}, {72, 57}}, 30, 31},   // middle tile
};
static_assert(std::size(kShadeBar) == 4);

// The inactive copy of a top-row area, one row band lower.
struct InactiveCopy {
    Overlay parts;      // with "NotActiveパーツを出力する": overlay of the inactive parts
    Point activeAt;     // "ActivePartsと同じ画像を出力": copy of the sheet's active area
    Point sourceFrom;   // "元画像を出力": copy of the source picture
};

constexpr InactiveCopy kInactiveCopies[] = {
    {{{{0, 0, 25, 20}, {0, 21}}, 26, 27}, {0, 0}, {0, 0}},             // top-left corner
    {{{{127, 21, 25, 20}, {127, 21}}, 24, 25}, {127, 0}, {127, 21}},   // top frame tile
    {{{{250, 0, 25, 20}, {153, 21}}, 20, 21}, {153, 0}, {250, 0}},     // top-right corner
    {{{{88, 0, 100, 20}, {26, 21}}, 22, 23}, {26, 0}, {88, 0}},        // title bar
};
static_assert(std::size(kInactiveCopies) == 4);

struct FrameArea {
    int check;     // chkPLParts index
    Overlay area;
    int inactive;  // row of kInactiveCopies made right after it, -1 for none
};

// In build order. The bottom tile and the analyser piece take their parts (slots 7/17, 8/18, which
// the cut-outs "下の枠" and "スペアナ" fill) like every other area: a tile copied from the picture
// alone would show a piece of the list area wherever a widened window repeats it.
constexpr FrameArea kFrameAreas[] = {
    {0, {{{0, 0, 25, 20}, {0, 0}}, 0, 10}, 0},          // top-left corner
    {1, {{{127, 0, 25, 20}, {127, 0}}, 1, 11}, 1},      // top frame tile
    {3, {{{250, 0, 25, 20}, {153, 0}}, 3, 13}, 2},      // top-right corner
    {2, {{{88, 0, 100, 20}, {26, 0}}, 2, 12}, 3},       // title bar
    {4, {{{0, 20, 25, 29}, {0, 42}}, 4, 14}, -1},       // left frame
    {5, {{{250, 20, 25, 29}, {26, 42}}, 5, 15}, -1},    // right frame
    {6, {{{0, 78, 125, 38}, {0, 72}}, 6, 16}, -1},      // bottom-left block with the buttons
    {7, {{{25, 38, 25, 38}, {179, 0}}, 7, 17}, -1},    // bottom frame tile
    {8, {{{50, 38, 75, 38}, {205, 0}}, 8, 18}, -1},    // analyser area
    {9, {{{125, 78, 150, 38}, {126, 72}}, 9, 19}, -1},  // bottom-right control block
};
static_assert(std::size(kFrameAreas) == 10);

// Copies the source rectangle, then lays the part over it when `withParts` is set.
void placeArea(Document& doc, Bitmap& sheet, const Overlay& o, bool withParts) {
    PaintBlit(sheet, doc.work.picTmp, o.blit);
    if (!withParts) return;
    LoadAdditiveWork(doc.work, doc.slot(kParts, o.data), doc.slot(kParts, o.mask));
    const Point at = o.blit.destination;
    MaskBlendAdditive(doc.work, sheet, at.x, at.y, o.blit.source.w, o.blit.source.h);
}

// The same sheet rectangle as `area`, copied from `from` of another picture.
Blit sameAreaFrom(const Blit& area, Point from) {
    return {{from.x, from.y, area.source.w, area.source.h}, area.destination};
}

void placeSmallPieces(Document& doc, Bitmap& sheet) {
    for (const PieceCopy& p : kSmallPieces) PaintBlit(sheet, doc.slot(kParts, p.slot), p.blit);
}

void placeShadeBar(Document& doc, Bitmap& sheet) {
    const bool withParts = doc.isChecked(ctl::chkPLShade);
    for (const Overlay& o : kShadeBar) placeArea(doc, sheet, o, withParts);
}

void placeInactiveCopy(Document& doc, Bitmap& sheet, const InactiveCopy& c) {
    if (doc.isChecked(ctl::chkPLActive)) {
        placeArea(doc, sheet, c.parts, true);
    } else if (doc.isSelected(ctl::optPLNotActive, 1)) {  // "元画像を出力"
        PaintBlit(sheet, doc.work.picTmp, sameAreaFrom(c.parts.blit, c.sourceFrom));
    } else {  // "ActivePartsと同じ画像を出力": the active area as it now stands
        PaintBlit(sheet, sheet, sameAreaFrom(c.parts.blit, c.activeAt));
    }
}

void placeFrameAreas(Document& doc, Bitmap& sheet) {
    for (const FrameArea& a : kFrameAreas) {
        placeArea(doc, sheet, a.area, doc.isChecked(ctl::chkPLParts, a.check));
        if (a.inactive >= 0) placeInactiveCopy(doc, sheet, kInactiveCopies[a.inactive]);
    }
}

void placeButtonGroups(Document& doc, Bitmap& sheet) {
    for (int g = 0; g < kButtonGroupCount; ++g) {
        const ButtonGroup& group = kButtonGroups[g];
        const Bitmap& composed = doc.slot(pic::picPLButtonBack, kComposedGroupBase + g);
        BitBlt(sheet, group.barAt.x, group.barAt.y, kBarWidth, group.height, composed, 0, 0,
               RasterOp::SRCCOPY);
        for (int j = 0; j < group.cells; ++j) {
            const int rowY = kButtonRowsTop + kButtonRowPitch * j;
            BitBlt(sheet, group.normalX, rowY, kCellWidth, kCellHeight, composed, kComposedNormalX,
                   group.cellY[j], RasterOp::SRCCOPY);
            BitBlt(sheet, group.pressedX, rowY, kCellWidth, kCellHeight, composed, kComposedPressedX,
                   group.cellY[j], RasterOp::SRCCOPY);
        }
    }
}

}  // namespace

void BuildPlaylistSheet(Document& doc) {
    if (!doc.isChecked(ctl::chkPLMake)) return;
    const int source = doc.isSelected(ctl::optPLPic, 1) ? 1 : 0;
    doc.work.picTmp = doc.slot(pic::picPrePLmain, source);
    Bitmap& sheet = doc.slot(pic::picPL);
    placeSmallPieces(doc, sheet);
    placeShadeBar(doc, sheet);
    placeFrameAreas(doc, sheet);
    placeButtonGroups(doc, sheet);
    doc.slotChanged(pic::picPL);
}

}  // namespace pelterra
