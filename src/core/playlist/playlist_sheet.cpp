#include "playlist/playlist_sheet.h"

#include <iterator>

#include "image/drawing.h"
#include "image/mask_blend.h"
#include "playlist/playlist_layout.h"

namespace pelterra {

namespace {

using namespace playlist;

constexpr std::string_view kParts = "picPLPartsData";

// A piece of a part slot copied as it is.
struct PieceCopy {
    int slot;
    Rect from;  // in the slot
    Point to;   // in the sheet
};

// Scroll handle and small buttons: always copied.
constexpr PieceCopy kSmallPieces[] = {
    {35, {0, 0, 9, 9}, {52, 42}},    // small button, pressed
    {36, {0, 0, 9, 9}, {62, 42}},    // small button, pressed
    {37, {0, 0, 9, 9}, {150, 42}},   // small button, pressed
    {34, {0, 0, 8, 18}, {52, 53}},   // scroll handle
    {34, {9, 0, 8, 18}, {61, 53}},   // scroll handle, pressed
};
static_assert(std::size(kSmallPieces) == 5);

// A sheet rectangle filled from the source picture, with the part data/mask laid over it when
// its box is checked.
struct Overlay {
    Rect to;     // in the sheet
    Point from;  // in the source picture
    int data;    // part Data slot, -1 for an area that is always a plain copy
    int mask;
};

// The shade bar, under "ShadeModeパーツを出力する". Both right ends take the same part.
constexpr Overlay kShadeBar[] = {
    {{72, 42, 25, 14}, {0, 0}, 28, 29},    // left end
    {{99, 42, 50, 14}, {224, 0}, 32, 33},  // right end
    {{99, 57, 50, 14}, {224, 0}, 32, 33},  // right end, second row
    {{72, 57, 25, 14}, {25, 0}, 30, 31},   // middle tile
};
static_assert(std::size(kShadeBar) == 4);

// The inactive copy of a top-row area, one row band lower.
struct InactiveCopy {
    Overlay parts;      // with "NotActiveパーツを出力する": overlay of the inactive parts
    Point activeAt;     // "ActivePartsと同じ画像を出力": copy of the sheet's active area
    Point sourceFrom;   // "元画像を出力": copy of the source picture
};

constexpr InactiveCopy kInactiveCopies[] = {
    {{{0, 21, 25, 20}, {0, 0}, 26, 27}, {0, 0}, {0, 0}},             // top-left corner
    {{{127, 21, 25, 20}, {127, 21}, 24, 25}, {127, 0}, {127, 21}},   // top frame tile
    {{{153, 21, 25, 20}, {250, 0}, 20, 21}, {153, 0}, {250, 0}},     // top-right corner
    {{{26, 21, 100, 20}, {88, 0}, 22, 23}, {26, 0}, {88, 0}},        // title bar
};
static_assert(std::size(kInactiveCopies) == 4);

struct FrameArea {
    int check;     // chkPLParts index
    Overlay area;
    int inactive;  // row of kInactiveCopies made right after it, -1 for none
};

// In build order. "下の枠" and "スペアナ" have boxes but their areas are always plain copies.
constexpr FrameArea kFrameAreas[] = {
    {0, {{0, 0, 25, 20}, {0, 0}, 0, 10}, 0},          // top-left corner
    {1, {{127, 0, 25, 20}, {127, 0}, 1, 11}, 1},      // top frame tile
    {3, {{153, 0, 25, 20}, {250, 0}, 3, 13}, 2},      // top-right corner
    {2, {{26, 0, 100, 20}, {88, 0}, 2, 12}, 3},       // title bar
    {4, {{0, 42, 25, 29}, {0, 20}, 4, 14}, -1},       // left frame
    {5, {{26, 42, 25, 29}, {250, 20}, 5, 15}, -1},    // right frame
    {6, {{0, 72, 125, 38}, {0, 78}, 6, 16}, -1},      // bottom-left block with the buttons
    {7, {{179, 0, 25, 38}, {25, 38}, -1, -1}, -1},    // bottom frame tile
    {8, {{205, 0, 75, 38}, {50, 38}, -1, -1}, -1},    // analyser area
    {9, {{126, 72, 150, 38}, {125, 78}, 9, 19}, -1},  // bottom-right control block
};
static_assert(std::size(kFrameAreas) == 10);

void copyFromSource(const Document& doc, Bitmap& sheet, const Rect& to, Point from) {
    BitBlt(sheet, to.x, to.y, to.w, to.h, doc.work.picTmp, from.x, from.y, RasterOp::SRCCOPY);
}

// Copies the source rectangle, then lays the part over it when `withParts` is set.
void placeArea(Document& doc, Bitmap& sheet, const Overlay& o, bool withParts) {
    copyFromSource(doc, sheet, o.to, o.from);
    if (!withParts || o.data < 0) return;
    LoadAdditiveWork(doc.work, doc.slot(kParts, o.data), doc.slot(kParts, o.mask));
    MaskBlendAdditive(doc.work, sheet, o.to.x, o.to.y, o.to.w, o.to.h);
}

void placeSmallPieces(Document& doc, Bitmap& sheet) {
    for (const PieceCopy& p : kSmallPieces)
        BitBlt(sheet, p.to.x, p.to.y, p.from.w, p.from.h, doc.slot(kParts, p.slot), p.from.x, p.from.y,
               RasterOp::SRCCOPY);
}

void placeShadeBar(Document& doc, Bitmap& sheet) {
    const bool withParts = doc.isChecked("chkPLShade");
    for (const Overlay& o : kShadeBar) placeArea(doc, sheet, o, withParts);
}

void placeInactiveCopy(Document& doc, Bitmap& sheet, const InactiveCopy& c) {
    if (doc.isChecked("chkPLActive")) {
        placeArea(doc, sheet, c.parts, true);
    } else if (doc.isSelected("optPLNotActive", 1)) {  // "元画像を出力"
        copyFromSource(doc, sheet, c.parts.to, c.sourceFrom);
    } else {  // "ActivePartsと同じ画像を出力": the active area as it now stands
        const Rect& r = c.parts.to;
        BitBlt(sheet, r.x, r.y, r.w, r.h, sheet, c.activeAt.x, c.activeAt.y, RasterOp::SRCCOPY);
    }
}

void placeFrameAreas(Document& doc, Bitmap& sheet) {
    for (const FrameArea& a : kFrameAreas) {
        placeArea(doc, sheet, a.area, doc.isChecked("chkPLParts", a.check));
        if (a.inactive >= 0) placeInactiveCopy(doc, sheet, kInactiveCopies[a.inactive]);
    }
}

void placeButtonGroups(Document& doc, Bitmap& sheet) {
    for (int g = 0; g < kButtonGroupCount; ++g) {
        const ButtonGroup& group = kButtonGroups[g];
        const Bitmap& composed = doc.slot("picPLButtonBack", kComposedGroupBase + g);
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
    if (!doc.isChecked("chkPLMake")) return;
    const int source = doc.isSelected("optPLPic", 1) ? 1 : 0;
    doc.work.picTmp = doc.slot("picPrePLmain", source);
    Bitmap& sheet = doc.slot("picPL");
    placeSmallPieces(doc, sheet);
    placeShadeBar(doc, sheet);
    placeFrameAreas(doc, sheet);
    placeButtonGroups(doc, sheet);
    doc.slotChanged("picPL");
}

}  // namespace pelterra
