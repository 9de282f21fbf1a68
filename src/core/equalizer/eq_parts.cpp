#include "equalizer/eq_parts.h"

#include <climits>
#include <vector>

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

// A data list that was never loaded counts as differing from every selection.
constexpr int kNeverLoaded = INT_MIN;

constexpr std::string_view kEqBelowKey = "EqUporDown";

Result<Bitmap> loadLibraryPicture(const fs::path& programFolder, std::string_view tail) {
    Result<fs::path> path = resolveProgramPath(programFolder, tail);
    if (!path) return path.error();
    return LoadPicture(path->string());
}

int previousOf(const Document& doc, const std::string& key, int fallback) {
    const auto it = doc.previousIndex.find(key);
    return it == doc.previousIndex.end() ? fallback : it->second;
}

// True, and the new index remembered, when the list's selection differs from the index it had
// when its slot was last loaded. An empty list never counts as changed.
bool selectionChanged(Document& doc, std::string_view list, int index, int fallback) {
    const int selected = doc.value(list, index);
    if (selected < 0) return false;
    const std::string key = controlKey(list, index);
    if (selected == previousOf(doc, key, fallback)) return false;
    doc.previousIndex[key] = selected;
    return true;
}

// A successful load marks its preview group as changed; a failed one changed nothing.
Status clearingRefreshFlag(Document& doc, std::string_view group, Status loaded) {
    if (loaded) doc.setRefreshFlag(group, 0);
    return loaded;
}

Status checkPartPosition(Document& doc, const fs::path& programFolder, const EqPartPosition& pos) {
    Failures failures;
    if (selectionChanged(doc, "lstEQData", pos.slot, kNeverLoaded))
        failures.add(clearingRefreshFlag(doc, pos.refreshGroup, LoadEqPart(doc, programFolder, pos.slot)));
    // The mask list's first entry counts as loaded until another entry has been chosen.
    if (doc.isChecked(pos.linkBox) && selectionChanged(doc, "lstEQMask", pos.slot, 0))
        failures.add(clearingRefreshFlag(doc, pos.refreshGroup, LoadEqMask(doc, programFolder, pos.slot)));
    return failures.result();
}

Status checkSliderPage(Document& doc, const fs::path& programFolder) {
    Failures failures;
    if (selectionChanged(doc, "SliderCombo", -1, kNeverLoaded))
        failures.add(clearingRefreshFlag(doc, kEqSliderGroup, ChooseSlider(doc, programFolder)));
    if (selectionChanged(doc, "BackColorCombo", -1, kNeverLoaded))
        failures.add(clearingRefreshFlag(doc, kEqSliderGroup, ChooseBackColor(doc, programFolder)));
    return failures.result();
}

void putStretched(Document& doc, std::string_view name, int index, const Bitmap& picture) {
    StretchToSlot(doc.work, picture, doc.slot(name, index));
    doc.slotChanged(name, index);
}

}  // namespace

const EqPartPosition* eqPartPosition(int slot) {
    for (const EqPartPosition& pos : kEqPartPositions)
        if (pos.slot == slot) return &pos;
    return nullptr;
}

Status CheckEqPartChoice(Document& doc, const fs::path& programFolder) {
    ChooseEqFace(doc);
    return CheckEqPageChoice(doc, programFolder, static_cast<EqPage>(doc.value("TabStrip2")));
}

Status CheckEqPageChoice(Document& doc, const fs::path& programFolder, EqPage page) {
    switch (page) {
        case EqPage::Slider:
            return checkSliderPage(doc, programFolder);
        case EqPage::Easy:
            if (!selectionChanged(doc, "EasyCombo", -1, kNeverLoaded)) return ok();
            return ChooseEasyPicture(doc, programFolder);
        case EqPage::EqMain:
            return ok();
        default:
            for (const EqPartPosition& pos : kEqPartPositions)
                if (pos.page == page) return checkPartPosition(doc, programFolder, pos);
            return ok();
    }
}

void ResetEqPreviousIndexes(Document& doc) {
    for (const EqPartPosition& pos : kEqPartPositions) {
        doc.previousIndex[controlKey("lstEQData", pos.slot)] =
            static_cast<int>(doc.control("lstEQData", pos.slot).entries.size()) + 1;
        doc.previousIndex[controlKey("lstEQMask", pos.slot)] = 0;
    }
    for (std::string_view combo : {"SliderCombo", "BackColorCombo", "EasyCombo"})
        doc.previousIndex[std::string(combo)] = static_cast<int>(doc.control(combo).entries.size()) + 1;
}

Status LoadEveryEqPart(Document& doc, const fs::path& programFolder) {
    ResetEqPreviousIndexes(doc);
    Failures failures;
    for (int page = static_cast<int>(EqPage::Slider); page <= static_cast<int>(EqPage::Layer2); ++page)
        failures.add(CheckEqPageChoice(doc, programFolder, static_cast<EqPage>(page)));
    return failures.result();
}

Status LoadEqPart(Document& doc, const fs::path& programFolder, int slot) {
    const EqPartPosition* pos = eqPartPosition(slot);
    if (!pos) return Error{"", "there is no equalizer part position " + std::to_string(slot)};
    const PartTarget target{{"lstEQData", slot}, pos->linkBox, pos->folder, {"picEQData", slot}, {"picEQMask", slot}};
    if (Status loaded = LoadPart(doc, programFolder, target); !loaded) return loaded;
    if (pos->untouchedCopy >= 0) doc.copySlot("picEQData", slot, "picEQData", pos->untouchedCopy);
    return ok();
}

Status LoadEqMask(Document& doc, const fs::path& programFolder, int slot) {
    const EqPartPosition* pos = eqPartPosition(slot);
    if (!pos) return Error{"", "there is no equalizer part position " + std::to_string(slot)};
    return LoadMaskEntry(doc, programFolder, {"lstEQMask", slot}, pos->folder, {"picEQMask", slot});
}

Status ChooseSlider(Document& doc, const fs::path& programFolder) {
    const std::string entry = doc.selectedEntry("SliderCombo");
    if (entry.empty()) return ok();
    const std::string folder(kEqSliderFolder);
    Result<Bitmap> data = loadLibraryPicture(programFolder, folder + entry + ".data.bmp");
    if (!data) return data.error();
    std::string maskTail = folder + entry + ".mask.bmp";
    if (!programFileExists(programFolder, maskTail)) maskTail = std::string(kDefaultSliderMask);
    Result<Bitmap> mask = loadLibraryPicture(programFolder, maskTail);
    if (!mask) return mask.error();  // both files are read before either slot changes
    doc.assignSlot("PreSliderData", -1, *data);
    doc.assignSlot("PreSliderMask", -1, *mask);
    return ok();
}

Status ChooseBackColor(Document& doc, const fs::path& programFolder) {
    const std::string entry = doc.selectedEntry("BackColorCombo");
    if (entry.empty()) return ok();
    Result<Bitmap> back = loadLibraryPicture(programFolder, std::string(kEqSliderFolder) + entry + ".back.bmp");
    if (!back) return back.error();
    doc.assignSlot("EQSliderBackColor", -1, *back);
    return ok();
}

int RememberedEqBelow(const Document& doc) { return previousOf(doc, std::string(kEqBelowKey), 0); }

void RememberEqBelow(Document& doc, int value) { doc.previousIndex[std::string(kEqBelowKey)] = value; }

void ChooseEqFace(Document& doc) {
    // While "EQも出力" shows, the picture was a single face and every face is the same picture.
    if (doc.control("chkSkinMode").visible) return;
    const int below = doc.value("EqUporDown");
    if (below == RememberedEqBelow(doc)) return;
    RememberEqBelow(doc, below);
    // The band the build takes as the equalizer face (the main window takes the other one).
    doc.copySlot(below == 1 ? "Picture2" : "Picture1", -1, "PreEQMainData", -1);
    doc.setRefreshFlag(kEqMainGroup, 0);
}

void EqLinkClick(Document& doc, int slot) {
    const EqPartPosition* pos = eqPartPosition(slot);
    if (!pos) return;
    const bool separate = doc.isChecked(pos->linkBox);
    doc.setVisible("lstEQMask", slot, separate);
    doc.setVisible("lblEQMask", slot, separate);
}

void EqModeClick(Document& doc) { doc.setVisible("fraEqCheck", -1, doc.isChecked("EQModeCheck")); }

std::optional<std::string> ImportEqMainImage(Document& doc, const Bitmap& picture) {
    doc.setRefreshFlag(kEqMainGroup, 0);
    if (picture.width() == kFaceWidth && picture.height() == kFaceHeight) {
        doc.assignSlot("PreEQMainData2", -1, picture);
        return std::nullopt;
    }
    putStretched(doc, "PreEQMainData2", -1, picture);
    return std::string(kEqMainSizeMessage);
}

Result<std::optional<std::string>> OpenEqMainImage(Document& doc, const std::string& filePath) {
    if (filePath.empty()) return std::optional<std::string>{};
    Result<Bitmap> picture = LoadPicture(filePath);
    if (!picture) return picture.error();
    if (picture->empty()) return Error{filePath, "the picture is empty: it has no pixels to import"};
    doc.ExtraImagePath = filePath;
    doc.ExtraImageTitle = fs::path(filePath).filename().string();
    return ImportEqMainImage(doc, *picture);
}

Result<std::optional<std::string>> PutEqPicture(Document& doc, std::string_view name, int index,
                                                const Bitmap& picture) {
    const std::optional<std::string> none;
    if (picture.empty()) return Error{"", "the picture is empty: it has nothing to put into " + controlKey(name, index)};
    if ((name == "picEQData" || name == "picEQMask") && doc.hasSlot(name, index)) {
        putStretched(doc, name, index, picture);
        if (const EqPartPosition* pos = eqPartPosition(index)) {
            doc.setRefreshFlag(pos->refreshGroup, 0);
            if (name == "picEQData" && pos->untouchedCopy >= 0)
                doc.copySlot("picEQData", index, "picEQData", pos->untouchedCopy);
        }
        return none;
    }
    if ((name == "PreSliderData" || name == "PreSliderMask" || name == "EQSliderBackColor") && index < 0) {
        doc.assignSlot(name, -1, picture);
        doc.setRefreshFlag(kEqSliderGroup, 0);
        return none;
    }
    if (name == "PreEQMainData" && index < 0) {
        putStretched(doc, name, -1, picture);
        doc.setRefreshFlag(kEqMainGroup, 0);
        return none;
    }
    if (name == "PreEQMainData2" && index < 0) return ImportEqMainImage(doc, picture);
    return Error{"", controlKey(name, index) + " is not a picture of the equalizer pages"};
}

Result<std::optional<std::string>> LoadEqPictureFile(Document& doc, std::string_view name, int index,
                                                     const std::string& filePath) {
    if (filePath.empty()) return std::optional<std::string>{};
    Result<Bitmap> picture = LoadPicture(filePath);
    if (!picture) return picture.error();
    auto put = PutEqPicture(doc, name, index, *picture);
    if (!put) return Error{filePath, put.error().message};
    return put;
}

Result<std::optional<std::string>> PasteEqPicture(Document& doc, std::string_view name, int index,
                                                  const std::optional<Bitmap>& clipboard) {
    if (!clipboard) return Error{"", "the clipboard holds no picture to paste"};
    return PutEqPicture(doc, name, index, *clipboard);
}

}  // namespace pelterra
