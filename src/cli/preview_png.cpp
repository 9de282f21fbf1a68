#include "preview_png.h"

#include <algorithm>

#include "image/drawing.h"
#include "image/picture_size.h"
#include "png_write.h"
#include "sheets/skin_sheets.h"

namespace pelterra::cli {

namespace {

const Bitmap& previewImage(const Document& doc, PreviewImage which) {
    return doc.slot(which == PreviewImage::Main ? pic::PreView : pic::EQPreView);
}

}  // namespace

Result<std::string> PreviewPng(const Document& doc, const PreviewPanes& panes) {
    // The panes are the size of the window faces; the playlist picture shows when its sheet is written.
    const bool playlist = IsWritten(doc, SkinSheetOf(pic::picPL));
    const Bitmap& pl = doc.slot(pic::PreViewPL);
    constexpr int paneWidth = SkinSheetOf(pic::Main).width, paneHeight = SkinSheetOf(pic::Main).height;
    const int width = paneWidth + (playlist ? pl.width() : 0);
    const int height = std::max(2 * paneHeight, playlist ? pl.height() : 0);
    if (Status fits = CheckPictureToMake(width, height); !fits) return fits.error();
    Bitmap canvas(width, height, kBlack);
    int y = 0;
    for (const PreviewPane* pane : {&panes.preView1, &panes.preView2}) {
        if (pane->visible && pane->shows) BitBlt(canvas, 0, y, paneWidth, paneHeight, previewImage(doc, *pane->shows), 0, 0, RasterOp::SRCCOPY);
        y += paneHeight;
    }
    if (playlist) BitBlt(canvas, paneWidth, 0, pl.width(), pl.height(), pl, 0, 0, RasterOp::SRCCOPY);

    return EncodePng(canvas, nullptr);
}

}  // namespace pelterra::cli
