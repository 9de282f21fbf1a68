#include "generators/slider_maker.h"

#include <iterator>

#include "image/drawing.h"
#include "parts/colour_change.h"
#include "parts/part_loading.h"

namespace pelterra {

namespace {

using namespace slider_maker;

// A knob cell of the atlas, in drawing order.
struct KnobCell {
    int x0, y0, w, h;
};

constexpr KnobCell kKnobCells[] = {
    {0, 0, 29, 10},    // 1 position bar, normal
    {30, 0, 29, 10},   // 2 position bar, pressed
    {0, 11, 14, 11},   // 3 balance, pressed
    {30, 11, 14, 11},  // 4 volume, pressed
    {15, 11, 14, 11},  // 5 balance, normal
    {45, 11, 14, 11},  // 6 volume, normal
};
static_assert(std::size(kKnobCells) == 6, "six knob cells");

struct KnobColours {
    Colour hi, top, shadow, frame;
};

KnobColours swatchesOf(const Document& doc, SlotName picture) {
    if (picture == kData)
        return {doc.swatch(ctl::LblSliderDataHi), doc.swatch(ctl::LblSliderDataTop), doc.swatch(ctl::LblSliderDataShadow),
                doc.swatch(ctl::LblSliderDataFrame)};
    return {doc.swatch(ctl::LblSliderMaskHi), doc.swatch(ctl::LblSliderMaskTop), doc.swatch(ctl::LblSliderMaskShadow),
            doc.swatch(ctl::LblSliderMaskFrame)};
}

// "枠無し": a raised bevel over the whole cell.
void drawPlainKnob(Bitmap& b, const KnobCell& c, const KnobColours& k) {
    const int right = c.x0 + c.w - 1, bottom = c.y0 + c.h - 1;
    Line(b, c.x0, c.y0, right, c.y0, k.hi);
    Line(b, c.x0, c.y0, c.x0, bottom, k.hi);
    Line(b, right, c.y0, right, bottom, k.shadow);
    Line(b, c.x0, bottom, c.x0 + c.w, bottom, k.shadow);
    Line(b, c.x0 + 1, c.y0 + 1, c.x0 + c.w - 2, c.y0 + c.h - 2, k.top, LineForm::FilledBox);
}

// "枠あり": the bevel one pixel smaller, outlined in the frame colour. `innerBottomEnd` is where
// the inner bottom shadow line stops (its end point not drawn).
void drawFramedKnob(Bitmap& b, const KnobCell& c, const KnobColours& k, int innerBottomEnd) {
    const int right = c.x0 + c.w - 2, bottom = c.y0 + c.h - 2;
    Line(b, c.x0 + 1, c.y0 + 1, right, c.y0 + 1, k.hi);
    Line(b, c.x0 + 1, c.y0 + 1, c.x0 + 1, bottom, k.hi);
    Line(b, right, c.y0 + 1, right, bottom, k.shadow);
    Line(b, c.x0 + 1, bottom, innerBottomEnd, bottom, k.shadow);
    Line(b, c.x0 + 2, c.y0 + 2, c.x0 + c.w - 3, c.y0 + c.h - 3, k.top, LineForm::FilledBox);
    Line(b, c.x0, c.y0, c.x0 + c.w - 1, c.y0 + c.h - 1, k.frame, LineForm::Box);
}

// The framed atlas is drawn with two deviations from the cell formula: on the Data picture the
// inner bottom line of cells 1, 2, 5 and 6 stops one pixel early, leaving their inner
// bottom-right corner undrawn; on the Mask picture that line of cell 3 runs one pixel further,
// onto the outline, which step 6 then covers.
int framedInnerBottomEnd(SlotName picture, int cellNumber, const KnobCell& c) {
    const int formula = c.x0 + c.w - 1;
    if (picture == kData && (cellNumber == 1 || cellNumber == 2 || cellNumber == 5 || cellNumber == 6))
        return formula - 1;
    if (picture == kMask && cellNumber == 3) return formula + 1;
    return formula;
}

void drawAtlas(Document& doc, SlotName picture, bool framed) {
    Bitmap& b = doc.slot(picture);
    const KnobColours colours = swatchesOf(doc, picture);
    int cellNumber = 1;
    for (const KnobCell& c : kKnobCells) {
        if (framed)
            drawFramedKnob(b, c, colours, framedInnerBottomEnd(picture, cellNumber, c));
        else
            drawPlainKnob(b, c, colours);
        ++cellNumber;
    }
    doc.slotChanged(picture);
}

}  // namespace

void SliderColorChange(Document& doc) {
    const bool framed = !doc.isSelected(ctl::OpSliderOff);
    drawAtlas(doc, kData, framed);
    drawAtlas(doc, kMask, framed);
}

void ApplySlider(Document& doc) {
    PaintPicture(doc.slot(pic::picData, 4), doc.slot(kData), 0, 0);
    doc.slotChanged(pic::picData, 4);
    // The made slider also becomes the untouched copy the colour change shifts, so that a later
    // colour change (or a project load, which runs them all) does not bring back the library part.
    refreshUntouchedCopy(doc, {pic::picData, 4});
    PaintPicture(doc.slot(pic::picMask, 4), doc.slot(kMask), 0, 0);
    doc.slotChanged(pic::picMask, 4);
    ForgetListChoice(doc, {pic::picData, 4});
    ForgetListChoice(doc, {pic::picMask, 4});
}

}  // namespace pelterra
