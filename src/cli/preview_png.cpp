#include "preview_png.h"

#include <algorithm>
#include <string>
#include <vector>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "fs/atomic_file.h"
#include "image/drawing.h"
#include "sheets/skin_sheets.h"

namespace pelterra::cli {

namespace {

const Bitmap& previewImage(const Document& doc, PreviewImage which) {
    return doc.slot(which == PreviewImage::Main ? pic::PreView : pic::EQPreView);
}

}  // namespace

Status WritePreviewPng(const Document& doc, const PreviewPanes& panes, const std::filesystem::path& file) {
    // The panes are the size of the window faces; the playlist picture shows when its sheet is written.
    const bool playlist = IsWritten(doc, SkinSheetOf(pic::picPL));
    const Bitmap& pl = doc.slot(pic::PreViewPL);
    constexpr int paneWidth = SkinSheetOf(pic::Main).width, paneHeight = SkinSheetOf(pic::Main).height;
    const int width = paneWidth + (playlist ? pl.width() : 0);
    const int height = std::max(2 * paneHeight, playlist ? pl.height() : 0);
    Bitmap canvas(width, height, kBlack);
    int y = 0;
    for (const PreviewPane* pane : {&panes.preView1, &panes.preView2}) {
        if (pane->visible && pane->shows) BitBlt(canvas, 0, y, paneWidth, paneHeight, previewImage(doc, *pane->shows), 0, 0, RasterOp::SRCCOPY);
        y += paneHeight;
    }
    if (playlist) BitBlt(canvas, paneWidth, 0, pl.width(), pl.height(), pl, 0, 0, RasterOp::SRCCOPY);

    std::vector<unsigned char> rgb;
    rgb.reserve(static_cast<std::size_t>(width) * height * 3);
    for (Colour c : canvas.pixels()) {
        rgb.push_back(static_cast<unsigned char>(GetRed(c)));
        rgb.push_back(static_cast<unsigned char>(GetGreen(c)));
        rgb.push_back(static_cast<unsigned char>(GetBlue(c)));
    }
    // Encoded in memory and written whole beside the target, so a failed write keeps an older preview.
    std::string png;
    const auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
    };
    if (!stbi_write_png_to_func(append, &png, width, height, 3, rgb.data(), width * 3))
        return Error{file.string(), "the preview could not be encoded as PNG"};
    return WriteFileAtomically(file, png);
}

}  // namespace pelterra::cli
