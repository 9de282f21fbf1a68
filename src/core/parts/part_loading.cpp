#include "parts/part_loading.h"

#include "document/part_masks.h"
#include "document/tables.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "image/stretch.h"
#include "parts/catalogue.h"
#include "parts/categories.h"
#include "parts/colour_change.h"

namespace pelterra {
namespace fs = std::filesystem;

namespace {

constexpr SlotName kMainDataSlot = pic::picData;
constexpr SlotName kMainMaskSlot = pic::picMask;
constexpr int kLastRecolouredMainSlot = 5;  // picData(0..5) keep untouched copies

// A part file of the library, read whole. The error names the file as the program writes it
// below its folder when it cannot be found, and the folder and the reason when one on the way
// cannot be read.
Result<Bitmap> readPartFile(const fs::path& programFolder, std::string_view tail) {
    Result<fs::path> path = resolveProgramPath(programFolder, tail);
    if (!path && !isNotFound(path.error())) return path.error();
    if (!path)
        return Error{path.error().path,
                     CoreMessage::wording("the part file is missing (was it removed after start-up?)")};
    return LoadPicture(path->string());
}

// The list's entries as a PartList, for the catalogue's file-name rule.
PartList partListOf(const Document& doc, ControlRef list) {
    const Control& c = doc.control(list.name, list.index);
    return PartList{c.entries, c.value, c.firstSectionCount};
}

std::string slotKey(SlotRef slot) { return controlKey(slot.name, slot.index); }

// Puts a picture read from a part file into a slot and keeps it for the slot's "コピー".
void assignFromListChoice(Document& doc, SlotRef slot, Bitmap picture) {
    doc.assignSlot(slot.name, slot.index, picture);
    doc.listChoicePictures[slotKey(slot)] = std::move(picture);
}

bool isMainDataSlot(SlotRef slot) { return slot.name == kMainDataSlot; }

// A Data slot of the main window with an untouched copy: picData(0..5).
bool isRecolouredMainSlot(SlotRef slot) {
    return isMainDataSlot(slot) && slot.index >= 0 && slot.index <= kLastRecolouredMainSlot;
}

// A category with a mask list: Data, Mask unless linked, then the untouched copy.
Status loadChosenPart(Document& doc, const fs::path& programFolder, const MainCategory& cat) {
    const PartTarget target{{ctl::lstData, cat.index}, cat.linkBox, cat.folder, {kMainDataSlot, cat.index},
                            {kMainMaskSlot, cat.index}};
    if (Status loaded = LoadPart(doc, programFolder, target); !loaded) return loaded;
    refreshUntouchedCopy(doc, target.data);
    return ok();
}

// Number and text: one file, folder\X.bmp, into both slots.
Status loadChosenGlyphs(Document& doc, const fs::path& programFolder, const MainCategory& cat) {
    const std::string entry = doc.selectedEntry(ctl::lstData, cat.index);
    Result<Bitmap> picture = readPartFile(programFolder, std::string(cat.folder) + entry + ".bmp");
    if (!picture) return picture.error();
    assignFromListChoice(doc, {kMainDataSlot, cat.index}, *picture);
    assignFromListChoice(doc, {kMainMaskSlot, cat.index}, std::move(*picture));
    return ok();
}

Error noSuchList(ControlName list, int index) {
    return Error{"", CoreMessage::wording("there is no part list %1"), {controlKey(list, index)}};
}

}  // namespace

Status SelectAndLoad(Document& doc, ControlRef list, int entry, const std::function<Status()>& load) {
    const int previous = doc.value(list.name, list.index);
    doc.setValue(list.name, list.index, entry);
    if (doc.value(list.name, list.index) < 0) return ok();  // an emptied list: nothing chosen
    Status loaded = load();
    if (!loaded) doc.setValue(list.name, list.index, previous);
    return loaded;
}

namespace {

// The list control whose choice fills `slot` now, or none.
std::optional<ControlRef> listFilling(const Document& doc, SlotRef slot) {
    if (slot.name == kMainDataSlot || slot.name == kMainMaskSlot) {
        const MainCategory* cat = mainCategory(slot.index);
        if (!cat) return std::nullopt;
        if (slot.name == kMainMaskSlot && cat->maskList != kNone && doc.isChecked(cat->linkBox))
            return ControlRef{ctl::lstMask, cat->maskList};
        return ControlRef{ctl::lstData, cat->index};
    }
    if (slot.name == pic::picEQData || slot.name == pic::picEQMask) {
        const EqCategory* cat = eqCategory(slot.index);
        if (!cat) return std::nullopt;
        if (slot.name == pic::picEQMask && doc.isChecked(cat->linkBox)) return ControlRef{ctl::lstEQMask, cat->index};
        return ControlRef{ctl::lstEQData, cat->index};
    }
    if (slot.name == pic::PreSliderData || slot.name == pic::PreSliderMask) return ControlRef{ctl::SliderCombo, -1};
    if (slot.name == pic::EQSliderBackColor) return ControlRef{ctl::BackColorCombo, -1};
    return std::nullopt;
}

}  // namespace

void ForgetListChoice(Document& doc, SlotRef slot) {
    doc.listChoicePictures.erase(slotKey(slot));
    if (const std::optional<ControlRef> list = listFilling(doc, slot)) doc.setValue(list->name, list->index, -1);
}

Status ChoosePart(Document& doc, const fs::path& programFolder, int k, int entry) {
    const MainCategory* cat = mainCategory(k);
    if (!cat) return noSuchList(ctl::lstData, k);
    return SelectAndLoad(doc, {ctl::lstData, k}, entry, [&] {
        return cat->maskList == kNone ? loadChosenGlyphs(doc, programFolder, *cat)
                                      : loadChosenPart(doc, programFolder, *cat);
    });
}

Status ChooseMaskPart(Document& doc, const fs::path& programFolder, int maskList, int entry) {
    for (const MainCategory& cat : kMainCategories) {
        if (cat.maskList != maskList || maskList == kNone) continue;
        const ControlRef list{ctl::lstMask, maskList};
        if (!doc.isChecked(cat.linkBox)) {
            doc.setValue(list.name, list.index, entry);  // the Mask follows the Data
            return ok();
        }
        return SelectAndLoad(doc, list, entry, [&] {
            return LoadMaskEntry(doc, programFolder, list, cat.folder, {kMainMaskSlot, cat.index});
        });
    }
    return noSuchList(ctl::lstMask, maskList);
}

Status LoadPart(Document& doc, const fs::path& programFolder, const PartTarget& target) {
    const PartList list = partListOf(doc, target.dataList);
    const int n = list.selected;
    const auto dataTail = partFileTail(target.folder, list, n, PartImage::Data);
    if (!dataTail) return ok();  // nothing chosen
    Result<Bitmap> data = readPartFile(programFolder, *dataTail);
    if (!data) return data.error();

    const bool linked = !target.linkBox.empty() && doc.isChecked(target.linkBox);
    if (linked) {
        assignFromListChoice(doc, target.data, std::move(*data));
        return ok();
    }
    std::string maskTail = *partFileTail(target.folder, list, n, PartImage::Mask);
    if (!programFileExists(programFolder, maskTail)) maskTail = defaultMaskTail(target.folder);
    Result<Bitmap> mask = readPartFile(programFolder, maskTail);
    if (!mask) return mask.error();
    assignFromListChoice(doc, target.data, std::move(*data));
    assignFromListChoice(doc, target.mask, std::move(*mask));
    return ok();
}

Status LoadMaskEntry(Document& doc, const fs::path& programFolder, ControlRef maskList, std::string_view folder,
                     SlotRef mask) {
    const PartList list = partListOf(doc, maskList);
    // A mask-list entry is a mask file itself: below the count it is folder\X.mask.bmp, from the
    // count on folder\mask\X.bmp, which is the Mask role of the catalogue's rule.
    const auto tail = partFileTail(folder, list, list.selected, PartImage::Mask);
    if (!tail) return ok();
    Result<Bitmap> picture = readPartFile(programFolder, *tail);
    if (!picture) return picture.error();
    assignFromListChoice(doc, mask, std::move(*picture));
    return ok();
}

bool isLinkBox(ControlName name) { return mainCategoryOfLinkBox(name) || eqCategoryOfLinkBox(name); }

Status SetLinkBox(Document& doc, ControlName linkBox, bool checked) {
    if (!isLinkBox(linkBox))
        return Error{"", CoreMessage::wording("%1 is not a link box"), {std::string(linkBox.written())}};
    doc.setValue(linkBox, -1, checked ? 1 : 0);
    if (const MainCategory* cat = mainCategoryOfLinkBox(linkBox)) {
        doc.setVisible(ctl::lstMask, cat->maskList, checked);
        doc.setVisible(cat->maskLabel, -1, checked);
    } else if (const EqCategory* eq = eqCategoryOfLinkBox(linkBox)) {
        doc.setVisible(ctl::lstEQMask, eq->index, checked);
        doc.setVisible(ctl::lblEQMask, eq->index, checked);
    }
    return ok();
}

void SyncLinkBoxes(Document& doc) {
    for (const MainCategory& c : kMainCategories)
        if (!c.linkBox.empty()) (void)SetLinkBox(doc, c.linkBox, doc.isChecked(c.linkBox));
    for (const EqCategory& c : kEqCategories) (void)SetLinkBox(doc, c.linkBox, doc.isChecked(c.linkBox));
}



void SyncMakeBoxes(Document& doc) {
    for (const TwinCheckSpec& pair : tables::twinCheckBoxes()) {
        if (!doc.hasControl(pair.box) || !doc.hasControl(pair.twin)) continue;
        const int flag = doc.value(pair.box);
        doc.setValue(pair.box, -1, flag);
        doc.setValue(pair.twin, -1, flag);
    }
}

Status LoadPictureIntoSlot(Document& doc, SlotRef slot, const std::string& filePath) {
    if (filePath.empty()) return ok();  // the dialog was cancelled
    Result<Bitmap> picture = LoadPicture(filePath);
    if (!picture) return picture.error();
    StretchToSlot(doc.work, *picture, doc.slot(slot.name, slot.index));
    doc.slotChanged(slot.name, slot.index);
    CoverIfMaskless(doc, slot);
    refreshUntouchedCopy(doc, slot);
    return ok();
}

Result<std::optional<Bitmap>> SlotClipboardMenu(Document& doc, SlotRef slot, ClipChoice choice,
                                                const Bitmap& clipboard) {
    (void)doc.slot(slot.name, slot.index);  // a start-up choice not yet read is read now, for "コピー"
    std::optional<Bitmap> toClipboard;
    switch (choice) {
        case ClipChoice::Paste:
            if (clipboard.empty())
                return Error{
                    "", CoreMessage::wording("the clipboard holds no picture to paste into %1"), {slotKey(slot)}};
            StretchToSlot(doc.work, clipboard, doc.slot(slot.name, slot.index));
            doc.slotChanged(slot.name, slot.index);
            CoverIfMaskless(doc, slot);
            break;
        case ClipChoice::Copy: {
            const auto it = doc.listChoicePictures.find(slotKey(slot));
            if (it == doc.listChoicePictures.end())
                return Error{"",
                             CoreMessage::wording(
                                 "no part has been chosen from a list for %1 yet, so there is no picture to copy"),
                             {slotKey(slot)}};
            toClipboard = it->second;
            break;
        }
        case ClipChoice::None:
            break;
    }
    // The main window makes the slot's current picture the untouched copy whatever was chosen;
    // an equalizer slot only takes a pasted picture as its new untouched copy.
    if (isRecolouredMainSlot(slot) || choice == ClipChoice::Paste) refreshUntouchedCopy(doc, slot);
    return toClipboard;
}

}  // namespace pelterra
