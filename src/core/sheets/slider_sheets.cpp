#include "sheets/slider_sheets.h"

#include "sheets/sheet_blend.h"
#include "sheets/sheet_cuts.h"
#include "image/drawing.h"

namespace pelterra {

namespace {

// Work mask := M, work data := D AND M.
void loadSystemPair(WorkBitmaps& work, const Bitmap& mask, const Bitmap& data) {
    work.mask = mask;
    work.data = data;
    BitBlt(work.data, 0, 0, work.data.width(), work.data.height(), work.mask, 0, 0, RasterOp::SRCAND);
}

// sheet := (sheet AND NOT M) OR work data, through the work mask.
void layThroughSystemMask(WorkBitmaps& work, Bitmap& sheet) {
    BitBlt(work.mask, 0, 0, work.mask.width(), work.mask.height(), sheet, 0, 0, RasterOp::SRCERASE);
    BitBlt(work.mask, 0, 0, work.mask.width(), work.mask.height(), work.data, 0, 0, RasterOp::SRCPAINT);
    assign(sheet, work.mask);
}

}  // namespace

void BuildVolumeSheet(Document& doc, const SystemImages& system) {
    const bool translucent = doc.isChecked(ctl::VolumeRegionCheck);
    const Bitmap& mask = translucent ? system.volume2Mask : system.volumeMask;
    const Bitmap& data = translucent ? system.volume2Data : system.volumeData;
    Bitmap& sheet = doc.slot(pic::volume);
    // Starting from the system Mask makes every row no cut reaches come out as D AND M.
    assign(sheet, mask);
    ApplySheetCuts(doc, SkinSheetOf(pic::volume));
    loadSystemPair(doc.work, mask, data);
    if (!translucent) PaintBlits(sheet, doc.slot(pic::picData, 4), sheets::kVolumeKnobs);
    layThroughSystemMask(doc.work, sheet);
    doc.slotChanged(pic::volume);
}

void BuildBalanceSheet(Document& doc, const SystemImages& system) {
    Bitmap& sheet = doc.slot(pic::balance);
    const Bitmap& slider = doc.slot(pic::picData, 4);
    ApplySheetCuts(doc, SkinSheetOf(pic::balance));
    if (doc.isChecked(ctl::BalanceRegionCheck)) {
        loadSystemPair(doc.work, system.volume2Mask, system.volume2Data);
        const BlitRun& knobs = sheets::kTranslucentBalanceKnobs;
        for (int j = 0; j < knobs.count; ++j) {
            const Blit knob = knobs.at(j);
            PaintBlit(doc.work.data, slider, knob);
            // The knob covers the face: under a black or checkered system mask it would be ORed
            // into the face instead of drawn over it.
            const Point at = knob.destination;
            Line(doc.work.mask, at.x, at.y, at.x + knob.source.w - 1, at.y + knob.source.h - 1, kWhite,
                 LineForm::FilledBox);
        }
    } else {
        PaintBlits(sheet, slider, sheets::kBalanceKnobs);
        loadSystemPair(doc.work, system.volumeMask, system.volumeData);
    }
    layThroughSystemMask(doc.work, sheet);
    doc.slotChanged(pic::balance);
}

}  // namespace pelterra
