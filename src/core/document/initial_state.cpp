#include "document/initial_state.h"

#include "output/skin_text.h"

#include <algorithm>
#include <vector>

#include "colours/glyph_colours.h"
#include "equalizer/eq_parts.h"
#include "equalizer/picture_import.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "parts/catalogue.h"
#include "parts/categories.h"
#include "parts/easy_import.h"
#include "parts/part_loading.h"
#include "parts/skin_style.h"
#include "playlist/playlist_styles.h"

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

bool sameFailure(const Error& a, const Error& b) { return a.path == b.path && a.message == b.message; }

// Adds the error unless the same one is there: a library folder that cannot be read fails every
// step that looks into it.
void addOnce(std::vector<Error>& errors, const Error& error) {
    for (const Error& known : errors)
        if (sameFailure(known, error)) return;
    errors.push_back(error);
}

// Every list the library fills: the part lists, the style sets and the playlist styles. Returns
// the folders that are there but could not be read.
std::vector<Error> fillLists(Document& doc, const fs::path& programFolder, const StartupProgress& progress) {
    const FilledCatalogue catalogue = readPartsCatalogue(programFolder, progress);
    for (const ListRef& ref : PartsCatalogue::allLists()) {
        const ControlName name = controlName(ref.list);
        if (!doc.hasControl(name, ref.index)) continue;  // a window whose lists are not there
        const PartList& list = catalogue.lists.at(ref);
        doc.setListEntries(name, ref.index, list.entries, list.firstSectionCount);
    }
    std::vector<Error> unreadable = catalogue.unreadableFolders;
    for (const Status& listed : {FillStyleList(doc, programFolder), FillPlaylistStyleList(doc, programFolder)})
        if (!listed) addOnce(unreadable, listed.error());
    return unreadable;
}

// The controls a start-up choice reads, with their values: the choice is read later, when one of
// its slots is first used, and must then see them as they were at start-up (a link box ticked
// since then must not keep the start-up Mask out of its slot).
struct ControlValue {
    ControlName name;
    int index;
    int value;
};

std::vector<ControlValue> currentValues(const Document& doc, std::vector<ControlValue> controls) {
    for (ControlValue& c : controls) c.value = doc.value(c.name, c.index);
    return controls;
}

// Puts the values in without telling anyone: they stand only while the start-up choice is read.
void putValues(Document& doc, const std::vector<ControlValue>& values) {
    for (const ControlValue& c : values) doc.control(c.name, c.index).value = c.value;
}

// A start-up choice: the list shows it at once, its pictures are read when one of `slots` is
// first used. A failure then leaves the slots blank (the Mask black, so the part changes nothing),
// as a failing start-up step is skipped, and is noted in the document for the front ends to show.
void deferStartChoice(Document& doc, std::vector<SlotRef> slots, std::vector<ControlValue> reads,
                      std::function<Status(Document&)> choose) {
    const std::vector<ControlValue> atStart = currentValues(doc, std::move(reads));
    doc.deferSlotFill(slots, [atStart, choose = std::move(choose)](Document& d) {
        const std::vector<ControlValue> now = currentValues(d, atStart);
        putValues(d, atStart);
        const Status chosen = choose(d);
        putValues(d, now);
        if (!chosen) d.noteProblem(chosen.error());
    });
}

// Selects the first entry of a list; false when the list is empty.
bool selectFirstEntry(Document& doc, ControlName list, int index) {
    doc.setValue(list, index, 0);
    return doc.value(list, index) == 0;
}

// The number and text parts: white glyphs on black, which "色をつける" colours row by row.
struct StartGlyphs {
    int category;
    ControlName swatches;
    int count;
    void (*colour)(Document&);
};
constexpr StartGlyphs kStartGlyphs[] = {
    {7, ctl::NumberColor, kNumberSwatches, ColourNumberGlyphs},
    {8, ctl::PicText, kTextSwatches, ColourTextGlyphs},
};

const StartGlyphs* startGlyphsOf(int category) {
    for (const StartGlyphs& g : kStartGlyphs)
        if (g.category == category) return &g;
    return nullptr;
}

// A glyph part starts coloured with the row colours of the start (the Classic set's, or the stored
// ones), as "色をつける" colours it, so that the first skin's digits and letters are the Classic
// green rather than the glyph masks' white.
Status chooseFirstPart(Document& doc, const fs::path& programFolder, int k) {
    if (Status chosen = ChoosePart(doc, programFolder, k, 0); !chosen) return chosen;
    if (const StartGlyphs* glyphs = startGlyphsOf(k)) glyphs->colour(doc);
    return ok();
}

void deferFirstMainPart(Document& doc, const fs::path& programFolder, const MainCategory& c) {
    if (!selectFirstEntry(doc, ctl::lstData, c.index)) return;
    std::vector<SlotRef> slots{{pic::picData, c.index}, {pic::picMask, c.index}};
    if (c.untouchedCopy != kNone) slots.push_back({pic::picData, c.untouchedCopy});
    std::vector<ControlValue> reads{{ctl::lstData, c.index, 0}};
    if (!c.linkBox.empty()) reads.push_back({c.linkBox, -1, 0});
    if (const StartGlyphs* glyphs = startGlyphsOf(c.index))
        for (int i = 0; i < glyphs->count; ++i) reads.push_back({glyphs->swatches, i, 0});
    deferStartChoice(doc, std::move(slots), std::move(reads),
                     [programFolder, k = c.index](Document& d) { return chooseFirstPart(d, programFolder, k); });
}

void deferFirstEqPart(Document& doc, const fs::path& programFolder, const EqCategory& c) {
    if (!selectFirstEntry(doc, ctl::lstEQData, c.index)) return;
    std::vector<SlotRef> slots{{pic::picEQData, c.index}, {pic::picEQMask, c.index}};
    if (c.untouchedCopy != kNone) slots.push_back({pic::picEQData, c.untouchedCopy});
    deferStartChoice(doc, std::move(slots), {{ctl::lstEQData, c.index, 0}, {c.linkBox, -1, 0}},
                     [programFolder, i = c.index](Document& d) { return ChooseEqPart(d, programFolder, i, 0); });
}

void deferFirstSlider(Document& doc, const fs::path& programFolder) {
    if (!selectFirstEntry(doc, ctl::SliderCombo, -1)) return;
    deferStartChoice(doc, {{pic::PreSliderData, -1}, {pic::PreSliderMask, -1}}, {{ctl::SliderCombo, -1, 0}},
                     [programFolder](Document& d) { return ChooseSlider(d, programFolder, 0); });
}

void deferFirstBackColor(Document& doc, const fs::path& programFolder) {
    if (!selectFirstEntry(doc, ctl::BackColorCombo, -1)) return;
    deferStartChoice(doc, {{pic::EQSliderBackColor, -1}}, {{ctl::BackColorCombo, -1, 0}},
                     [programFolder](Document& d) { return ChooseBackColor(d, programFolder, 0); });
}

// cg.bmp is looked up now, so that a missing one is reported with the other start-up failures;
// it is read when the Region page first shows one of its areas.
Status deferRegionBackground(Document& doc, const fs::path& programFolder) {
    if (!doc.hasSlot(kRegionAreas[0].slot, kRegionAreas[0].index)) return ok();
    Result<fs::path> path = resolveProgramPath(programFolder, kRegionBackground);
    if (!path) return path.error();
    std::vector<SlotRef> areas;
    for (const RegionArea& area : kRegionAreas) areas.push_back({area.slot, area.index});
    doc.deferSlotFill(areas, [file = path->string(), areas](Document& d) {
        Result<Bitmap> picture = LoadPicture(file);
        if (!picture) return d.noteProblem(picture.error());
        for (const SlotRef& area : areas) d.assignSlot(area.name, area.index, *picture);
    });
    return ok();
}

Status chooseFirstPlaylistStyle(Document& doc, const fs::path& programFolder) {
    if (doc.value(ctl::PLStyleCombo) < 0) return ok();
    return ChoosePlaylistStyle(doc, programFolder, 0);
}

// The first entry of every list: every category of the main window and of the equalizer, the
// slider, its back colour, the playlist style and the picture of "取りこみ". Only the last two are
// read at once.
Status chooseFirstParts(Document& doc, const fs::path& programFolder) {
    for (const MainCategory& c : kMainCategories) deferFirstMainPart(doc, programFolder, c);
    for (const EqCategory& c : kEqCategories) deferFirstEqPart(doc, programFolder, c);
    deferFirstSlider(doc, programFolder);
    deferFirstBackColor(doc, programFolder);
    Failures failures;
    failures.add(chooseFirstPlaylistStyle(doc, programFolder));
    failures.add(SelectAndLoad(doc, {ctl::EasyCombo, -1}, 0, [&] { return ChooseEasyPicture(doc, programFolder); }));
    return failures.result();
}

void setStartDefaults(Document& doc) {
    for (const StartupDefault& d : kStartupDefaults)
        if (doc.hasControl(d.box)) doc.setValue(d.box, d.value);
    // The boxes' commands bring the controls they govern in line.
    SetEqOutput(doc, doc.isChecked(ctl::chkSkinMode));
    SetEqSliderRows(doc, doc.isChecked(ctl::EQModeCheck));
    for (const PartMakeBox& b : kPartMakeBoxes) {
        if (!doc.hasControl(b.list, b.listIndex) || doc.value(b.list, b.listIndex) < 0) continue;
        for (int i = b.first; i <= b.last; ++i) doc.setValue(b.box, i, 1);
    }
}

void widenColourBars(Document& doc) {
    for (int i = 0; i < kColourGroupCount; ++i)
        for (ControlName bar : {ctl::hscR, ctl::hscG, ctl::hscB}) doc.setRange(bar, i, -kColourBarLimit, kColourBarLimit);
}

}  // namespace

Status StartupReport::status() const {
    Failures all;
    for (const Error& e : unreadableFolders) all.add(e);
    for (const Error& e : failures) all.add(e);
    return all.result();
}

StartupReport InitialiseDocumentReporting(Document& doc, const fs::path& programFolder,
                                          const StartupProgress& progress) {
    StartupReport report;
    report.unreadableFolders = fillLists(doc, programFolder, progress);
    for (const Status& step : {deferRegionBackground(doc, programFolder), chooseFirstParts(doc, programFolder)})
        if (!step) report.failures.push_back(step.error());
    doc.setValue(ctl::MaronCombo1, 0);
    doc.setValue(ctl::MaronCombo2, 0);
    doc.setValue(ctl::CbuttonsCheck, 1);  // only the cbuttons make flag is set at start
    BuildPleditText(doc);  // the playlist colour texts from the swatches
    setStartDefaults(doc);
    widenColourBars(doc);
    // A step that failed only because it looked into an unreadable folder says nothing new.
    std::erase_if(report.failures, [&](const Error& e) {
        return std::any_of(report.unreadableFolders.begin(), report.unreadableFolders.end(),
                           [&](const Error& folder) { return sameFailure(folder, e); });
    });
    return report;
}

Status InitialiseDocument(Document& doc, const fs::path& programFolder, const StartupProgress& progress) {
    return InitialiseDocumentReporting(doc, programFolder, progress).status();
}

}  // namespace pelterra
