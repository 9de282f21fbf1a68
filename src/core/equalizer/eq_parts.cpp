#include "equalizer/eq_parts.h"

#include <vector>

#include "document/part_masks.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "image/stretch.h"
#include "parts/easy_import.h"
#include "parts/part_loading.h"

namespace pelterra {

namespace {

namespace fs = std::filesystem;

constexpr int kFaceWidth = 275;
constexpr int kFaceHeight = 116;

Result<Bitmap> loadLibraryPicture(const fs::path& programFolder, std::string_view tail) {
    Result<fs::path> path = resolveProgramPath(programFolder, tail);
    if (!path) return path.error();
    return LoadPicture(path->string());
}

Error noSuchPosition(int slot) {
    return Error{"", CoreMessage::wording("there is no equalizer part position %1"), {slot}};
}

void putStretched(Document& doc, SlotName name, int index, const Bitmap& picture) {
    StretchToSlot(doc.work, picture, doc.slot(name, index));
    doc.slotChanged(name, index);
}

Status loadSlider(Document& doc, const fs::path& programFolder) {
    const std::string entry = doc.selectedEntry(ctl::SliderCombo);
    const std::string folder(kEqSliderFolder);
    Result<Bitmap> data = loadLibraryPicture(programFolder, folder + entry + ".data.bmp");
    if (!data) return data.error();
    std::string maskTail = folder + entry + ".mask.bmp";
    if (!programFileExists(programFolder, maskTail)) maskTail = std::string(kDefaultSliderMask);
    Result<Bitmap> mask = loadLibraryPicture(programFolder, maskTail);
    if (!mask) return mask.error();  // both files are read before either slot changes
    doc.assignSlot(pic::PreSliderData, -1, *data);
    doc.assignSlot(pic::PreSliderMask, -1, *mask);
    return ok();
}

Status loadBackColor(Document& doc, const fs::path& programFolder) {
    const std::string entry = doc.selectedEntry(ctl::BackColorCombo);
    Result<Bitmap> back = loadLibraryPicture(programFolder, std::string(kEqSliderFolder) + entry + ".back.bmp");
    if (!back) return back.error();
    doc.assignSlot(pic::EQSliderBackColor, -1, *back);
    return ok();
}

}  // namespace

Status ChooseEqPart(Document& doc, const fs::path& programFolder, int slot, int entry) {
    if (!eqCategory(slot)) return noSuchPosition(slot);
    return SelectAndLoad(doc, {ctl::lstEQData, slot}, entry, [&] { return LoadEqPart(doc, programFolder, slot); });
}

Status ChooseEqMaskPart(Document& doc, const fs::path& programFolder, int slot, int entry) {
    const EqCategory* cat = eqCategory(slot);
    if (!cat) return noSuchPosition(slot);
    if (!doc.isChecked(cat->linkBox)) {
        doc.setValue(ctl::lstEQMask, slot, entry);  // the Mask follows the Data
        return ok();
    }
    return SelectAndLoad(doc, {ctl::lstEQMask, slot}, entry, [&] { return LoadEqMask(doc, programFolder, slot); });
}

Status LoadEqPart(Document& doc, const fs::path& programFolder, int slot) {
    const EqCategory* pos = eqCategory(slot);
    if (!pos) return noSuchPosition(slot);
    const PartTarget target{{ctl::lstEQData, slot}, pos->linkBox, pos->folder, {pic::picEQData, slot}, {pic::picEQMask, slot}};
    if (Status loaded = LoadPart(doc, programFolder, target); !loaded) return loaded;
    if (pos->untouchedCopy >= 0) doc.copySlot(pic::picEQData, slot, pic::picEQData, pos->untouchedCopy);
    return ok();
}

Status LoadEqMask(Document& doc, const fs::path& programFolder, int slot) {
    const EqCategory* pos = eqCategory(slot);
    if (!pos) return noSuchPosition(slot);
    return LoadMaskEntry(doc, programFolder, {ctl::lstEQMask, slot}, pos->folder, {pic::picEQMask, slot});
}

Status ChooseSlider(Document& doc, const fs::path& programFolder, int entry) {
    return SelectAndLoad(doc, {ctl::SliderCombo, -1}, entry, [&] { return loadSlider(doc, programFolder); });
}

Status ChooseBackColor(Document& doc, const fs::path& programFolder, int entry) {
    return SelectAndLoad(doc, {ctl::BackColorCombo, -1}, entry, [&] { return loadBackColor(doc, programFolder); });
}

void ChooseEqFace(Document& doc) {
    // While "EQも出力" shows, the picture was a single face and every face is the same picture.
    if (doc.control(ctl::chkSkinMode).visible) return;
    const bool lower = doc.isChecked(ctl::EqUporDown) && doc.isChecked(ctl::chkSkinMode);
    doc.copySlot(lower ? pic::Picture2 : pic::Picture1, -1, pic::PreEQMainData, -1);
}

void SetEqSliderRows(Document& doc, bool checked) {
    doc.setValue(ctl::EQModeCheck, -1, checked ? 1 : 0);
    doc.setVisible(ctl::fraEqCheck, -1, checked);
}

std::optional<std::string> ImportEqMainImage(Document& doc, const Bitmap& picture) {
    if (picture.width() == kFaceWidth && picture.height() == kFaceHeight) {
        doc.assignSlot(pic::PreEQMainData2, -1, picture);
        return std::nullopt;
    }
    putStretched(doc, pic::PreEQMainData2, -1, picture);
    return std::string(kEqMainSizeMessage);
}

Result<std::optional<std::string>> OpenEqMainImage(Document& doc, const std::string& filePath) {
    if (filePath.empty()) return std::optional<std::string>{};
    Result<Bitmap> picture = LoadPicture(filePath);
    if (!picture) return picture.error();
    if (picture->empty())
        return Error{filePath, CoreMessage::wording("the picture is empty: it has no pixels to import")};
    doc.ExtraImagePath = filePath;
    doc.ExtraImageTitle = fs::path(filePath).filename().string();
    return ImportEqMainImage(doc, *picture);
}

Result<std::optional<std::string>> PutEqPicture(Document& doc, SlotName name, int index,
                                                const Bitmap& picture) {
    const std::optional<std::string> none;
    if (picture.empty())
        return Error{
            "", CoreMessage::wording("the picture is empty: it has nothing to put into %1"), {controlKey(name, index)}};
    if ((name == pic::picEQData || name == pic::picEQMask) && doc.hasSlot(name, index)) {
        putStretched(doc, name, index, picture);
        CoverIfMaskless(doc, {name, index});
        if (const EqCategory* pos = eqCategory(index); pos && name == pic::picEQData && pos->untouchedCopy != kNone)
            doc.copySlot(pic::picEQData, index, pic::picEQData, pos->untouchedCopy);
        return none;
    }
    if ((name == pic::PreSliderData || name == pic::PreSliderMask || name == pic::EQSliderBackColor) && index < 0) {
        doc.assignSlot(name, -1, picture);
        return none;
    }
    if (name == pic::PreEQMainData && index < 0) {
        putStretched(doc, name, -1, picture);
        return none;
    }
    if (name == pic::PreEQMainData2 && index < 0) return ImportEqMainImage(doc, picture);
    return Error{"", CoreMessage::wording("%1 is not a picture of the equalizer pages"), {controlKey(name, index)}};
}

Result<std::optional<std::string>> LoadEqPictureFile(Document& doc, SlotName name, int index,
                                                     const std::string& filePath) {
    if (filePath.empty()) return std::optional<std::string>{};
    Result<Bitmap> picture = LoadPicture(filePath);
    if (!picture) return picture.error();
    auto put = PutEqPicture(doc, name, index, *picture);
    if (!put) return put.error().withPath(filePath);
    return put;
}

Result<std::optional<std::string>> PasteEqPicture(Document& doc, SlotName name, int index,
                                                  const std::optional<Bitmap>& clipboard) {
    if (!clipboard) return Error{"", CoreMessage::wording("the clipboard holds no picture to paste")};
    return PutEqPicture(doc, name, index, *clipboard);
}

}  // namespace pelterra
