#include "parts/easy_import.h"

#include "fs/program_path.h"
#include "image/drawing.h"
#include "image/picture_file.h"

namespace pelterra {

void EasyImport(Document& doc) {
    const Bitmap source = doc.slot(pic::PreEasyData);
    for (const EasyCopy& copy : kEasyCopies) {
        if (!doc.isChecked(copy.box)) continue;
        PaintPicture(doc.slot(copy.slot, copy.slotIndex), source, copy.to.x, copy.to.y, copy.from.w, copy.from.h,
                     copy.from.x, copy.from.y, copy.from.w, copy.from.h);
        doc.slotChanged(copy.slot, copy.slotIndex);
    }
}

Status PutEasyPicture(Document& doc, const Bitmap& picture) {
    if (picture.empty()) return Error{"", CoreMessage::wording("the picture is empty: it has no pixels to import")};
    doc.slot(pic::PreEasyImage) = picture;
    doc.slotChanged(pic::PreEasyImage);
    doc.slot(pic::PreEasyData) = picture;
    doc.slotChanged(pic::PreEasyData);
    return ok();
}

Status ChooseEasyPicture(Document& doc, const std::filesystem::path& programFolder) {
    const std::string entry = doc.selectedEntry(ctl::EasyCombo);
    if (entry.empty()) return ok();
    const std::string tail = std::string(kEasyFolder) + entry + ".bmp";
    Result<std::filesystem::path> path = resolveProgramPath(programFolder, tail);
    if (!path) return path.error();
    Result<Bitmap> picture = LoadPicture(path->string());
    if (!picture) return picture.error();
    if (Status put = PutEasyPicture(doc, *picture); !put) return put.error().withPath(path->string());
    return ok();
}

Status LoadEasyPictureFile(Document& doc, const std::string& filePath) {
    if (filePath.empty()) return ok();
    Result<Bitmap> picture = LoadPicture(filePath);
    if (!picture) return picture.error();
    if (Status put = PutEasyPicture(doc, *picture); !put) return put.error().withPath(filePath);
    return ok();
}

Status PasteEasyPicture(Document& doc, const std::optional<Bitmap>& clipboard) {
    if (!clipboard) return Error{"", CoreMessage::wording("the clipboard holds no picture to paste")};
    return PutEasyPicture(doc, *clipboard);
}

}  // namespace pelterra
