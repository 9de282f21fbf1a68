#include "parts/part_loading.h"

#include "document/tables.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "image/stretch.h"
#include "parts/catalogue.h"
#include "parts/colour_change.h"

namespace pelterra {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMainDataSlot = "picData";
constexpr std::string_view kMainMaskSlot = "picMask";
constexpr int kLastRecolouredMainSlot = 5;  // picData(0..5) keep untouched copies

// A part file of the library, read whole. The error names the file as the program writes it
// below its folder when it cannot be found.
Result<Bitmap> readPartFile(const fs::path& programFolder, std::string_view tail) {
    Result<fs::path> path = resolveProgramPath(programFolder, tail);
    if (!path) return Error{path.error().path, "the part file is missing (was it removed after start-up?)"};
    return LoadPicture(path->string());
}

// The list's entries as a PartList, for the catalogue's file-name rule.
PartList partListOf(const Document& doc, SlotRef list) {
    const Control& c = doc.control(list.name, list.index);
    return PartList{c.entries, c.value, c.firstSectionCount};
}

std::string slotKey(SlotRef slot) { return controlKey(slot.name, slot.index); }

// Puts a picture read from a part file into a slot and keeps it for the slot's "コピー".
void assignFromListChoice(Document& doc, SlotRef slot, Bitmap picture) {
    doc.assignSlot(slot.name, slot.index, picture);
    doc.listChoicePictures[slotKey(slot)] = std::move(picture);
}

void clearRefreshFlags(Document& doc, std::span<const std::string_view> groups) {
    for (std::string_view g : groups)
        if (!g.empty()) doc.setRefreshFlag(g, 0);
}

// Records the list's selection as its previous index; true when it differs from the one before.
bool takeNewSelection(Document& doc, SlotRef list, int fallbackPrevious) {
    const std::string key = controlKey(list.name, list.index);
    const int selected = doc.value(list.name, list.index);
    const auto it = doc.previousIndex.find(key);
    const int previous = it == doc.previousIndex.end() ? fallbackPrevious : it->second;
    if (selected == previous) return false;
    doc.previousIndex[key] = selected;
    return true;
}

bool isMainDataSlot(SlotRef slot) { return slot.name == kMainDataSlot; }

// A Data slot of the main window with an untouched copy: picData(0..5).
bool isRecolouredMainSlot(SlotRef slot) {
    return isMainDataSlot(slot) && slot.index >= 0 && slot.index <= kLastRecolouredMainSlot;
}

// The data step of a category with a mask list.
Status checkDataChoice(Document& doc, const fs::path& programFolder, const MainCategory& cat) {
    const SlotRef dataList{"lstData", cat.k};
    if (!takeNewSelection(doc, dataList, previousListIndex(doc, dataList.name, dataList.index))) return ok();
    const PartTarget target{dataList, cat.linkBox, cat.folder, {kMainDataSlot, cat.k}, {kMainMaskSlot, cat.k}};
    if (doc.value(dataList.name, dataList.index) < 0) return ok();  // an emptied list: nothing chosen
    if (Status loaded = LoadPart(doc, programFolder, target); !loaded) return loaded;
    clearRefreshFlags(doc, cat.dataGroups);
    refreshUntouchedCopy(doc, target.data);
    return ok();
}

// The mask step of a category whose link box is checked.
Status checkMaskChoice(Document& doc, const fs::path& programFolder, const MainCategory& cat) {
    if (cat.maskList < 0 || !doc.isChecked(cat.linkBox)) return ok();
    const SlotRef maskList{"lstMask", cat.maskList};
    if (!takeNewSelection(doc, maskList, 0)) return ok();
    if (doc.value(maskList.name, maskList.index) < 0) return ok();
    if (Status loaded = LoadMaskEntry(doc, programFolder, maskList, cat.folder, {kMainMaskSlot, cat.k}); !loaded)
        return loaded;
    if (!cat.maskGroup.empty()) doc.setRefreshFlag(cat.maskGroup, 0);
    return ok();
}

// The number and text pages: one file, folder\X.bmp, into both slots.
Status checkGlyphChoice(Document& doc, const fs::path& programFolder, const MainCategory& cat) {
    const SlotRef dataList{"lstData", cat.k};
    if (!takeNewSelection(doc, dataList, previousListIndex(doc, dataList.name, dataList.index))) return ok();
    const std::string entry = doc.selectedEntry(dataList.name, dataList.index);
    if (doc.value(dataList.name, dataList.index) < 0) return ok();
    Result<Bitmap> picture = readPartFile(programFolder, std::string(cat.folder) + entry + ".bmp");
    if (!picture) return picture.error();
    assignFromListChoice(doc, {kMainDataSlot, cat.k}, *picture);
    assignFromListChoice(doc, {kMainMaskSlot, cat.k}, std::move(*picture));
    clearRefreshFlags(doc, cat.dataGroups);
    return ok();
}

// Both results of one check: the first failure is reported, and a second one is added to it.
Status combine(Status first, Status second) {
    if (first.ok()) return second;
    if (second.ok()) return first;
    return Error{"", first.error().describe() + "\n" + second.error().describe()};
}

}  // namespace

const MainCategory* categoryOnPage(int page) {
    for (const MainCategory& c : kMainCategories)
        if (c.page == page) return &c;
    return nullptr;
}

const MainCategory* categoryOfLinkBox(std::string_view linkBox) {
    if (linkBox.empty()) return nullptr;
    for (const MainCategory& c : kMainCategories)
        if (c.linkBox == linkBox) return &c;
    return nullptr;
}

int previousListIndex(const Document& doc, std::string_view list, int index) {
    const auto it = doc.previousIndex.find(controlKey(list, index));
    if (it != doc.previousIndex.end()) return it->second;
    // Never recorded: a data list counts as never checked (entry count + 1), a mask list as 0.
    if (list == "lstMask" || list == "lstEQMask") return 0;
    return static_cast<int>(doc.control(list, index).entries.size()) + 1;
}

Status CheckPartChoice(Document& doc, const fs::path& programFolder) {
    return CheckPagePartChoice(doc, programFolder, doc.value("TabStrip1"));
}

Status CheckPagePartChoice(Document& doc, const fs::path& programFolder, int page) {
    const MainCategory* cat = categoryOnPage(page);
    if (!cat) return ok();
    if (cat->maskList < 0) return checkGlyphChoice(doc, programFolder, *cat);
    Status data = checkDataChoice(doc, programFolder, *cat);
    return combine(std::move(data), checkMaskChoice(doc, programFolder, *cat));
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

Status LoadMaskEntry(Document& doc, const fs::path& programFolder, SlotRef maskList, std::string_view folder,
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

void LinkBoxClicked(Document& doc, std::string_view linkBox) {
    const MainCategory* cat = categoryOfLinkBox(linkBox);
    if (!cat) return;
    const bool show = doc.isChecked(linkBox);
    doc.setVisible("lstMask", cat->maskList, show);
    doc.setVisible(cat->maskLabel, -1, show);
}

void SyncLinkBoxes(Document& doc) {
    for (const MainCategory& c : kMainCategories)
        if (!c.linkBox.empty()) LinkBoxClicked(doc, c.linkBox);
}

void ClickMakeBox(Document& doc, std::string_view box, bool checked) { doc.setValue(box, -1, checked ? 1 : 0); }

bool makeFlag(const Document& doc, std::string_view box) { return doc.isChecked(box); }

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
    refreshUntouchedCopy(doc, slot);
    return ok();
}

Result<std::optional<Bitmap>> SlotClipboardMenu(Document& doc, SlotRef slot, ClipChoice choice,
                                                const Bitmap& clipboard) {
    std::optional<Bitmap> toClipboard;
    switch (choice) {
        case ClipChoice::Paste:
            if (clipboard.empty())
                return Error{"", "the clipboard holds no picture to paste into " + slotKey(slot)};
            StretchToSlot(doc.work, clipboard, doc.slot(slot.name, slot.index));
            doc.slotChanged(slot.name, slot.index);
            break;
        case ClipChoice::Copy: {
            const auto it = doc.listChoicePictures.find(slotKey(slot));
            if (it == doc.listChoicePictures.end())
                return Error{"", "no part has been chosen from a list for " + slotKey(slot) +
                                     " yet, so there is no picture to copy"};
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
