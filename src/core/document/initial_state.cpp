#include "document/initial_state.h"

#include "output/skin_text.h"

#include <vector>

#include "equalizer/eq_parts.h"
#include "equalizer/picture_import.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "parts/catalogue.h"
#include "parts/categories.h"
#include "parts/easy_import.h"
#include "parts/part_loading.h"

namespace pelterra {
namespace fs = std::filesystem;

namespace {

constexpr int kColourBarLimit = 256;

constexpr std::string_view kRegionBackground = "\\PartsData\\cg.bmp";

struct RegionArea {
    SlotName slot;
    int index;
};
// The region editor's picture areas that show cg.bmp, in the order they are loaded.
constexpr RegionArea kRegionAreas[] = {
    {pic::RegionArea, 0},
    {pic::RegionSource, 0},
    {pic::RegionArea, 1},
    {pic::RegionSource, 1},
};

void fillLists(Document& doc, const fs::path& programFolder, const StartupProgress& progress) {
    const PartsCatalogue catalogue = fillPartsCatalogue(programFolder, progress);
    for (const ListRef& ref : PartsCatalogue::allLists()) {
        const ControlName name = controlName(ref.list);
        if (!doc.hasControl(name, ref.index)) continue;  // a window whose lists are not there
        const PartList& list = catalogue.at(ref);
        doc.setListEntries(name, ref.index, list.entries, list.firstSectionCount);
    }
}

Status loadRegionBackground(Document& doc, const fs::path& programFolder) {
    if (!doc.hasSlot(kRegionAreas[0].slot, kRegionAreas[0].index)) return ok();
    Result<fs::path> path = resolveProgramPath(programFolder, kRegionBackground);
    if (!path) return path.error();
    Result<Bitmap> picture = LoadPicture(path->string());
    if (!picture) return picture.error();
    for (const RegionArea& area : kRegionAreas)
        if (doc.hasSlot(area.slot, area.index)) doc.assignSlot(area.slot, area.index, *picture);
    return ok();
}

// The first entry of every list: every category of the main window and of the equalizer, the
// slider, its back colour and the picture of "取りこみ".
Status loadFirstParts(Document& doc, const fs::path& programFolder) {
    Failures failures;
    for (const MainCategory& c : kMainCategories) failures.add(ChoosePart(doc, programFolder, c.index, 0));
    for (const EqCategory& c : kEqCategories) failures.add(ChooseEqPart(doc, programFolder, c.index, 0));
    failures.add(ChooseSlider(doc, programFolder, 0));
    failures.add(ChooseBackColor(doc, programFolder, 0));
    failures.add(SelectAndLoad(doc, {ctl::EasyCombo, -1}, 0, [&] { return ChooseEasyPicture(doc, programFolder); }));
    return failures.result();
}

void setStartDefaults(Document& doc) {
    for (const StartupDefault& d : kStartupDefaults)
        if (doc.hasControl(d.box)) doc.setValue(d.box, d.value);
    // The boxes' commands bring the controls they govern in line.
    SetEqOutput(doc, doc.isChecked(ctl::chkSkinMode));
    SetEqSliderRows(doc, doc.isChecked(ctl::EQModeCheck));
}

void widenColourBars(Document& doc) {
    for (int i = 0; i < kColourGroupCount; ++i)
        for (ControlName bar : {ctl::hscR, ctl::hscG, ctl::hscB}) doc.setRange(bar, i, -kColourBarLimit, kColourBarLimit);
}

}  // namespace

Status InitialiseDocument(Document& doc, const fs::path& programFolder, const StartupProgress& progress) {
    Failures failures;
    fillLists(doc, programFolder, progress);
    failures.add(loadRegionBackground(doc, programFolder));
    failures.add(loadFirstParts(doc, programFolder));
    doc.setValue(ctl::MaronCombo1, 0);
    doc.setValue(ctl::MaronCombo2, 0);
    doc.setValue(ctl::CbuttonsCheck, 1);  // only the cbuttons make flag is set at start
    BuildPleditText(doc);  // the playlist colour texts from the swatches
    setStartDefaults(doc);
    widenColourBars(doc);
    return failures.result();
}

}  // namespace pelterra
