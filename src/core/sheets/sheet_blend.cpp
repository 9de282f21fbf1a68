#include "sheets/sheet_blend.h"

#include "image/drawing.h"
#include "image/mask_blend.h"
#include "parts/mix_mode.h"

namespace pelterra {

bool usesBitwiseBlend(const Document& doc, int mixRow) { return usesBitwise(doc, MixWindow::Main, mixRow); }

void applyCuts(Bitmap& sheet, const Bitmap& backdrop, std::span<const sheets::Cut> cuts) {
    for (const sheets::Cut& c : cuts)
        BitBlt(sheet, c.to.x, c.to.y, c.to.w, c.to.h, backdrop, c.from.x, c.from.y, RasterOp::SRCCOPY);
}

void applyCuts(Bitmap& sheet, const Bitmap& backdrop, const sheets::CutColumn& column) {
    for (int k = 0; k < column.count; ++k)
        BitBlt(sheet, column.origin.x, column.origin.y + k * column.pitch, column.w, column.h, backdrop,
               column.from.x, column.from.y, RasterOp::SRCCOPY);
}

void BlendPartOverSheet(Document& doc, Bitmap& sheet, int width, int height, int part, int mixRow) {
    const Bitmap& data = doc.slot("picData", part);
    const Bitmap& mask = doc.slot("picMask", part);
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
