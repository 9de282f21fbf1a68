#include "generators/frame_maker.h"

#include <iterator>
#include <span>

#include "colours/ramp.h"
#include "equalizer/eq_parts.h"
#include "image/drawing.h"
#include "parts/part_loading.h"

namespace pelterra {

namespace {

using namespace frame_maker;

constexpr int kFrameWidth = 275;
constexpr int kFaceRows = 116;
constexpr int kBigRows = 232;

// The four colours of a frame: B bright, M middle, D dark, F body.
enum FrameColour { B = 0, M = 1, D = 2, F = 3 };

struct FrameStep {
    FrameColour colour;
    LineForm form;
    int x1, y1, x2, y2;
};

constexpr LineForm kLine = LineForm::Line;
constexpr LineForm kFilled = LineForm::FilledBox;

// Later steps overwrite earlier ones and line end points are left out, so (274, 0) and (0, 115)
// end up dark.
constexpr FrameStep kNormalFrame[] = {
    {B, kLine, 0, 0, 274, 0},
    {B, kLine, 0, 0, 0, 115},
    {M, kLine, 1, 1, 273, 1},
    {M, kLine, 1, 1, 1, 114},
    {M, kLine, 273, 1, 273, 114},
    {M, kLine, 273, 114, 1, 114},
    {D, kLine, 0, 115, 274, 115},
    {D, kLine, 274, 0, 274, 116},
    {F, kFilled, 2, 2, 272, 113},
};
static_assert(std::size(kNormalFrame) == 9);

constexpr FrameStep kNoTopFrame[] = {
    {B, kLine, 0, 0, 0, 116},
    {M, kLine, 1, 0, 1, 114},
    {M, kLine, 273, 0, 273, 114},
    {M, kLine, 273, 114, 1, 114},
    {D, kLine, 0, 115, 274, 115},
    {D, kLine, 274, 0, 274, 116},
    {F, kFilled, 2, 0, 272, 113},
};
static_assert(std::size(kNoTopFrame) == 7);

constexpr FrameStep kNoBottomFrame[] = {
    {B, kLine, 0, 0, 274, 0},
    {B, kLine, 0, 0, 0, 116},
    {M, kLine, 1, 1, 273, 1},
    {M, kLine, 1, 1, 1, 116},
    {M, kLine, 273, 1, 273, 116},
    {D, kLine, 274, 0, 274, 116},
    {F, kFilled, 2, 2, 272, 116},
};
static_assert(std::size(kNoBottomFrame) == 7);

void drawFrame(Document& doc, std::span<const FrameStep> steps, SlotName picture,
               ControlName swatches) {
    Bitmap& target = doc.slot(picture);
    for (const FrameStep& s : steps) Line(target, s.x1, s.y1, s.x2, s.y2, doc.swatch(swatches, s.colour), s.form);
    doc.slotChanged(picture);
}

void drawFrameStyle(Document& doc, std::span<const FrameStep> steps) {
    drawFrame(doc, steps, kFrameData, ctl::lbldata);
    drawFrame(doc, steps, kFrameMask, ctl::lblMask);
}

void makeGradient(Document& doc, ControlName topSwatch, ControlName bottomSwatch,
                  SlotName picture, int rows) {
    DrawVerticalGradient(doc.slot(picture), doc.swatch(topSwatch), doc.swatch(bottomSwatch), rows);
    doc.slotChanged(picture);
}

// Draws the whole of `source` (or its rectangle) at (0, 0) of a slot, 1:1, SRCCOPY.
void drawInto(Document& doc, SlotRef target, const Bitmap& source, int sourceY = 0) {
    PaintPicture(doc.slot(target.name, target.index), source, 0, 0, kFrameWidth, kFaceRows, 0, sourceY,
                 kFrameWidth, kFaceRows);
    doc.slotChanged(target.name, target.index);
    ForgetListChoice(doc, target);
}

constexpr SlotRef kMainFrameData{pic::picData, 6};
constexpr SlotRef kMainFrameMask{pic::picMask, 6};
constexpr SlotRef kEqFrameData{pic::picEQData, 1};
constexpr SlotRef kEqFrameMask{pic::picEQMask, 1};

// Command8's halves: the equalizer slot first, then the main-window slot.
void bigToBoth(Document& doc, SlotRef eqTarget, SlotRef mainTarget, bool eqTakesUpperHalf) {
    const Bitmap& big = doc.slot(kBigGradient);
    drawInto(doc, eqTarget, big, eqTakesUpperHalf ? 0 : kFaceRows);
    drawInto(doc, mainTarget, big, eqTakesUpperHalf ? kFaceRows : 0);
}

struct TransferRow {
    FrameTransfer transfer;
    SlotName source;
    SlotRef target;
};

constexpr TransferRow kTransfers[] = {
    {FrameTransfer::FrameDataToMain, kFrameData, kMainFrameData},
    {FrameTransfer::FrameDataToEq, kFrameData, kEqFrameData},
    {FrameTransfer::FrameMaskToMain, kFrameMask, kMainFrameMask},
    {FrameTransfer::FrameMaskToEq, kFrameMask, kEqFrameMask},
    {FrameTransfer::GradientDataToMain, kGradientData, kMainFrameData},
    {FrameTransfer::GradientDataToEq, kGradientData, kEqFrameData},
    {FrameTransfer::GradientMaskToMain, kGradientMask, kMainFrameMask},
    {FrameTransfer::GradientMaskToEq, kGradientMask, kEqFrameMask},
};
static_assert(std::size(kTransfers) == 8, "eight single transfer buttons");

}  // namespace

void DrawVerticalGradient(Bitmap& picture, Colour top, Colour bottom, int rows) {
    const int r1 = GetRed(top), g1 = GetGreen(top), b1 = GetBlue(top);
    const int sr = roundHalfEven(static_cast<double>(GetRed(bottom) - r1) / rows);
    const int sg = roundHalfEven(static_cast<double>(GetGreen(bottom) - g1) / rows);
    const int sb = roundHalfEven(static_cast<double>(GetBlue(bottom) - b1) / rows);
    for (int i = 0; i < rows; ++i) {
        const Colour c = RGB(clampChannel(r1 + i * sr), clampChannel(g1 + i * sg), clampChannel(b1 + i * sb));
        Line(picture, 0, i, kFrameWidth, i, c);
    }
}

void MakeGra(Document& doc) { makeGradient(doc, ctl::lblDataGra1, ctl::lblDataGra2, kGradientData, kFaceRows); }
void MakeGra2(Document& doc) { makeGradient(doc, ctl::lblMaskGra1, ctl::lblMaskGra2, kGradientMask, kFaceRows); }
void MakeBigGra(Document& doc) { makeGradient(doc, ctl::lblBig1, ctl::lblBig2, kBigGradient, kBigRows); }

void NormalFrameMake(Document& doc) { drawFrameStyle(doc, kNormalFrame); }
void NoTopFrameMake(Document& doc) { drawFrameStyle(doc, kNoTopFrame); }
void NoBottomFrameMake(Document& doc) { drawFrameStyle(doc, kNoBottomFrame); }

void FrameMakeByStyle(Document& doc) {
    if (doc.isSelected(ctl::Optframe, 0))
        NormalFrameMake(doc);
    else if (doc.isSelected(ctl::Optframe, 1))
        NoBottomFrameMake(doc);
    else
        NoTopFrameMake(doc);
}

void LoadFrameMaker(Document& doc) {
    MakeGra(doc);
    MakeGra2(doc);
    MakeBigGra(doc);
    FrameMakeByStyle(doc);
}

void TransferFrame(Document& doc, FrameTransfer transfer) {
    for (const TransferRow& row : kTransfers) {
        if (row.transfer != transfer) continue;
        drawInto(doc, row.target, doc.slot(row.source));
            return;
    }
}

void BigToDataEqUp(Document& doc) { bigToBoth(doc, kEqFrameData, kMainFrameData, true); }
void BigToDataMainUp(Document& doc) { bigToBoth(doc, kEqFrameData, kMainFrameData, false); }
void BigToMaskMainUp(Document& doc) { bigToBoth(doc, kEqFrameMask, kMainFrameMask, false); }
void BigToMaskEqUp(Document& doc) { bigToBoth(doc, kEqFrameMask, kMainFrameMask, true); }

void Command8(Document& doc) {
    if (doc.isSelected(ctl::optToData)) {
        if (doc.isSelected(ctl::optEqUp))
            BigToDataEqUp(doc);
        else
            BigToDataMainUp(doc);
    } else if (doc.isSelected(ctl::optMainUp)) {
        BigToMaskMainUp(doc);
    } else {
        BigToMaskEqUp(doc);
    }
}

}  // namespace pelterra
