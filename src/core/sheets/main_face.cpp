#include "sheets/main_face.h"

#include "sheets/sheet_blend.h"
#include "image/blit.h"
#include "image/drawing.h"
#include "sheets/skin_sheets.h"

namespace pelterra {

namespace {

constexpr int kFaceWidth = SkinSheetOf(pic::Main).width, kFaceHeight = SkinSheetOf(pic::Main).height;

// The number sheet: twelve 9x13 cells; cell 10 is blank, cell 11 is drawn at the minus-sign
// place (36, 26) of the time display.
constexpr int kGlyphWidth = 9, kGlyphHeight = 13;
constexpr Point kTimeDisplay{36, 26};
constexpr int kMinusCellX = 99;
constexpr Blit kBlankCell{{kTimeDisplay.x, kTimeDisplay.y, kGlyphWidth, kGlyphHeight}, {90, 0}};

}  // namespace

BaseBands chooseBaseBands(const Document& doc) {
    const bool eqToo = doc.isChecked(ctl::chkSkinMode);
    const bool eqBelow = doc.isChecked(ctl::EqUporDown);
    if (eqToo) return {pic::Picture1, eqBelow ? pic::Picture1 : pic::Picture2};
    if (doc.combinedPictureFlag == 0 || eqBelow) return {pic::Picture1, pic::Picture1};
    return {pic::Picture2, pic::Picture2};
}

void SelectBaseImages(Document& doc) {
    const BaseBands bands = chooseBaseBands(doc);
    doc.copySlot(bands.main, -1, pic::Main, -1);
    doc.copySlot(bands.backdrop, -1, pic::Picture3, -1);
}

void ApplyMainLayer(Document& doc, ControlName check, int part, int mixRow) {
    if (!doc.isChecked(check)) return;
    Bitmap& face = doc.slot(pic::Main);
    BlendPartOverSheet(doc, face, kFaceWidth, kFaceHeight, part, mixRow);
    BitBlt(doc.slot(pic::Picture3), 0, 0, kFaceWidth, kFaceHeight, face, 0, 0, RasterOp::SRCCOPY);
    doc.slotChanged(pic::Main);
    doc.slotChanged(pic::Picture3);
}

void BuildNumberSheet(Document& doc) {
    Bitmap& number = doc.slot(pic::number);
    assign(number, doc.slot(pic::picData, 7));
    if (doc.isChecked(ctl::chkNumberParency)) {
        const Bitmap& face = doc.slot(pic::Main);
        PaintBlit(number, face, kBlankCell);
        // Only pure black lets the face through, so a glyph can still use near-black ink.
        for (int x = kMinusCellX; x < kMinusCellX + kGlyphWidth; ++x)
            for (int y = 0; y < kGlyphHeight; ++y)
                if (number.at(x, y) == kBlack)
                    number.at(x, y) = face.at(x - kMinusCellX + kTimeDisplay.x, y + kTimeDisplay.y);
    }
    doc.slotChanged(pic::number);
}

}  // namespace pelterra
