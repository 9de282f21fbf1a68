#include "sheets/sheet_blend.h"

#include "image/drawing.h"
#include "image/mask_blend.h"
#include "parts/mix_mode.h"

namespace pelterra {

bool usesBitwiseBlend(const Document& doc, int mixRow) { return usesBitwise(doc, MixWindow::Main, mixRow); }

void ApplySheetCuts(Document& doc, const SkinSheet& row) {
    const Bitmap& backdrop = doc.slot(pic::Picture3);
    Bitmap& sheet = doc.slot(row.slot.name, row.slot.index);
    PaintBlits(sheet, backdrop, row.cuts);
    PaintRun(sheet, backdrop, row.frames);
}

void BlendPartOverSheet(Document& doc, Bitmap& sheet, int width, int height, int part, int mixRow) {
    const Bitmap& data = doc.slot(pic::picData, part);
    const Bitmap& mask = doc.slot(pic::picMask, part);
    WorkBitmaps& work = doc.work;
    if (usesBitwiseBlend(doc, mixRow)) {
        PrepareMaskedData(work, data, mask);
        BitBlt(work.mask, 0, 0, width, height, sheet, 0, 0, RasterOp::SRCERASE);
        BitBlt(work.mask, 0, 0, width, height, work.data, 0, 0, RasterOp::SRCPAINT);
        assign(sheet, work.mask);
    } else {
        LoadAdditiveWork(work, data, mask);
        MaskBlendAdditive(work, sheet, 0, 0, width, height);
    }
}

}  // namespace pelterra
