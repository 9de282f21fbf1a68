#include "sheets/button_sheets.h"

#include "sheets/sheet_blend.h"
#include "image/drawing.h"

namespace pelterra {

void BuildButtonSheet(Document& doc, const ButtonSheet& spec) {
    const SkinSheet& row = SkinSheetOf(spec.sheet);
    ApplySheetCuts(doc, row);
    if (doc.isChecked(spec.check))
        BlendPartOverSheet(doc, doc.slot(spec.sheet), row.width, row.height, spec.part, spec.mixRow);
    doc.slotChanged(spec.sheet);
}

void BuildPosbarSheets(Document& doc) {
    ApplySheetCuts(doc, SkinSheetOf("posbar"));
    ApplySheetCuts(doc, SkinSheetOf("PosbarNo"));
    if (doc.isChecked("PosbarCheck")) PaintBlits(doc.slot("posbar"), doc.slot("picData", 4), sheets::kPosbarKnobs);
    doc.slotChanged("posbar");
    doc.slotChanged("PosbarNo");
}

}  // namespace pelterra
