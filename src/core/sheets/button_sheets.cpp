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
    ApplySheetCuts(doc, SkinSheetOf(pic::posbar));
    ApplySheetCuts(doc, SkinSheetOf(pic::PosbarNo));
    if (doc.isChecked(ctl::PosbarCheck)) PaintBlits(doc.slot(pic::posbar), doc.slot(pic::picData, 4), sheets::kPosbarKnobs);
    doc.slotChanged(pic::posbar);
    doc.slotChanged(pic::PosbarNo);
}

}  // namespace pelterra
