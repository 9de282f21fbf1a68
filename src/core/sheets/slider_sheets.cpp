#include "sheets/slider_sheets.h"

#include <span>

#include "sheets/sheet_blend.h"
#include "sheets/sheet_cuts.h"
#include "image/drawing.h"

namespace pelterra {

namespace {

void copyKnobs(Bitmap& sheet, const Bitmap& slider, std::span<const sheets::KnobCell> knobs) {
    for (const sheets::KnobCell& k : knobs)
        BitBlt(sheet, k.to.x, k.to.y, k.from.w, k.from.h, slider, k.from.x, k.from.y, RasterOp::SRCCOPY);
}

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
    const bool translucent = doc.isChecked("VolumeRegionCheck");
    const Bitmap& mask = translucent ? system.volume2Mask : system.volumeMask;
    const Bitmap& data = translucent ? system.volume2Data : system.volumeData;
    Bitmap& sheet = doc.slot("volume");
    // Starting from the system Mask makes every row no cut reaches come out as D AND M.
    assign(sheet, mask);
    applyCuts(sheet, doc.slot("Picture3"), sheets::kVolumeFrames);
    loadSystemPair(doc.work, mask, data);
    if (!translucent) copyKnobs(sheet, doc.slot("picData", 4), sheets::kVolumeKnobs);
    layThroughSystemMask(doc.work, sheet);
    doc.slotChanged("volume");
}

void BuildBalanceSheet(Document& doc, const SystemImages& system) {
    Bitmap& sheet = doc.slot("balance");
    const Bitmap& slider = doc.slot("picData", 4);
    applyCuts(sheet, doc.slot("Picture3"), sheets::kBalanceFrames);
    if (doc.isChecked("BalanceRegionCheck")) {
        loadSystemPair(doc.work, system.volume2Mask, system.volume2Data);
        const Rect knob = sheets::kTranslucentBalanceKnob;
        for (int j = 0; j < sheets::kTranslucentBalanceKnobFrames; ++j) {
            const int x = sheets::kTranslucentBalanceKnobStart.x + j;
            const int y = sheets::kTranslucentBalanceKnobStart.y + sheets::kBalanceFrames.pitch * j;
            BitBlt(doc.work.data, x, y, knob.w, knob.h, slider, knob.x, knob.y, RasterOp::SRCCOPY);
            // The knob covers the face: under a black or checkered system mask it would be ORed
            // into the face instead of drawn over it.
            Line(doc.work.mask, x, y, x + knob.w - 1, y + knob.h - 1, kWhite, LineForm::FilledBox);
        }
    } else {
        copyKnobs(sheet, slider, sheets::kBalanceKnobs);
        loadSystemPair(doc.work, system.volumeMask, system.volumeData);
    }
    layThroughSystemMask(doc.work, sheet);
    doc.slotChanged("balance");
}

}  // namespace pelterra
