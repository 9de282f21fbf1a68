#include "sheets/button_sheets.h"

#include "sheets/sheet_blend.h"
#include "image/drawing.h"

namespace pelterra {

void BuildButtonSheet(Document& doc, const ButtonSheet& spec) {
    Bitmap& sheet = doc.slot(spec.sheet);
    applyCuts(sheet, doc.slot("Picture3"), spec.cuts);
    if (doc.isChecked(spec.check)) BlendPartOverSheet(doc, sheet, spec.width, spec.height, spec.part, spec.mixRow);
    doc.slotChanged(spec.sheet);
}

void BuildPosbarSheets(Document& doc) {
    const Bitmap& backdrop = doc.slot("Picture3");
    Bitmap& posbar = doc.slot("posbar");
    applyCuts(posbar, backdrop, sheets::kPosbarCuts);
    applyCuts(doc.slot("PosbarNo"), backdrop, sheets::kPosbarCuts);
    if (doc.isChecked("PosbarCheck")) {
        const Bitmap& slider = doc.slot("picData", 4);
        for (const sheets::KnobCell& k : sheets::kPosbarKnobs)
            BitBlt(posbar, k.to.x, k.to.y, k.from.w, k.from.h, slider, k.from.x, k.from.y, RasterOp::SRCCOPY);
    }
    doc.slotChanged("posbar");
    doc.slotChanged("PosbarNo");
}

}  // namespace pelterra
