#include "output/save_skin.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <optional>
#include <string_view>

#include "colours/viscolor.h"
#include "equalizer/eq_sheet.h"
#include "fs/ignore_case.h"
#include "fs/output_folder.h"
#include "fs/output_set.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "output/skin_text.h"
#include "output/text_file.h"
#include "output/zip_pack.h"
#include "region/region_text.h"
#include "sheets/skin_sheets.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

bool eqOnly(const Document& doc) { return doc.isChecked(ctl::chkEQOnly); }

std::function<Result<std::string>()> bitmapBytes(const Bitmap& picture) {
    return [&picture]() -> Result<std::string> {
        const auto b = EncodeBmp24(picture);
        return std::string(b.begin(), b.end());
    };
}

std::function<Result<std::string>()> textBytes(std::vector<std::string> lines) {
    return [lines = std::move(lines)]() { return TextFileBytes(lines); };
}

// The bitmaps of one window's sheets that this save writes, in the archive's order.
void addSheetFiles(std::vector<SkinFileSource>& files, const Document& doc, SheetWindow window) {
    for (const SkinSheet* s : WrittenSheets(doc, window))
        files.push_back({std::string(s->file), &doc.slot(s->slot.name, s->slot.index), {}});
}

void addSheetNames(std::vector<std::string>& names, const Document& doc, SheetWindow window) {
    for (const SkinSheet* s : WrittenSheets(doc, window)) names.emplace_back(s->file);
}

Result<std::string> regionText(const Document& doc, RegionWorkCopy workCopy) {
    if (workCopy == RegionWorkCopy::Leave) return RegionTextOf(doc);
    auto written = WriteRegionText(doc);
    if (!written) return written.error();
    return std::move(written->bytes);
}

// The files of this save, in the archive's order, with their contents.
Result<std::vector<PendingFile>> pendingFiles(Document& doc) {
    auto sources = GatherSkinFiles(doc, RegionWorkCopy::Write);
    if (!sources) return sources.error();
    std::vector<PendingFile> files;
    for (SkinFileSource& f : *sources)
        files.push_back({std::move(f.name), f.sheet ? bitmapBytes(*f.sheet) : std::move(f.text)});
    return files;
}

// The ordinary file of `folder` named `name` in any letter case, if there is one.
std::optional<fs::path> fileIgnoringCase(const fs::path& folder, const std::string& name) {
    auto names = listOrdinaryFiles(folder);
    if (!names) return std::nullopt;
    for (const std::string& n : *names)
        if (n == name) return folder / n;
    for (const std::string& n : *names)
        if (equalsIgnoringCase(n, name)) return folder / n;
    return std::nullopt;
}

// Packs the files, made in memory, into one archive and stages it. An archive of the same name
// in another letter case is the same skin: that one is replaced.
Status stageArchive(const Destination& d, const std::vector<PendingFile>& files, OutputSet& outputs) {
    std::vector<ArchiveEntry> entries;
    fs::path archive = d.archive();
    if (auto existing = fileIgnoringCase(d.baseFolder, archive.filename().string())) archive = *existing;
    for (const PendingFile& f : files) {
        auto bytes = f.bytes();
        if (!bytes) return bytes.error().withPath(f.name);
        entries.push_back({f.name, std::move(*bytes)});
    }
    auto packed = PackArchiveBytes(entries);
    if (!packed) return packed.error().withPath(archive.string());
    if (Status staged = outputs.stageFile(archive, *packed); !staged) return PackFailure(archive, staged.error());
    return ok();
}

// Writes the files into a new folder that replaces the skin folder as a whole: files an earlier
// skin left there (a region.txt the new skin has none of) are gone, the user's own files stay.
Result<fs::path> stageFolder(const Destination& d, const std::vector<PendingFile>& files, OutputSet& outputs) {
    auto target = FolderToReplace(d.baseFolder, d.name, FolderOwner::Skin);
    if (!target) return target.error();
    auto folder = outputs.stageFolder(*target, IsSkinFileName);
    if (!folder) return folder.error();
    for (const PendingFile& f : files) {
        auto bytes = f.bytes();
        if (!bytes) return bytes.error().withPath((*target / f.name).string());
        if (Status written = WriteNewFile(*folder / f.name, *bytes, *target / f.name); !written) return written.error();
    }
    return *target;
}

}  // namespace

Result<std::vector<SkinFileSource>> GatherSkinFiles(Document& doc, RegionWorkCopy workCopy) {
    std::vector<SkinFileSource> files;
    const bool mainWindow = !eqOnly(doc);
    const auto text = [&files](std::string name, std::vector<std::string> lines) {
        files.push_back({std::move(name), nullptr, textBytes(std::move(lines))});
    };
    if (mainWindow) addSheetFiles(files, doc, SheetWindow::Main);
    // eqmain.bmp is written whatever the picture held: a skin without it is refused whole by
    // one player. After a single picture the equalizer face is that picture.
    PrepareEqmainPicture(doc);
    addSheetFiles(files, doc, SheetWindow::Equalizer);
    if (mainWindow && doc.isChecked(ctl::PleditCheck)) text("pledit.txt", PleditLines(doc));
    if (mainWindow && doc.isChecked(ctl::MaronCheck)) text("maron.txt", MaronLines(doc));
    if (doc.isChecked(ctl::RegionCheck)) {
        // region.txt from the outlines of the last trace, which the document holds (also left in
        // the work folder when saving).
        auto region = regionText(doc, workCopy);
        if (!region) return region.error();
        files.push_back({"region.txt", nullptr, [bytes = std::move(*region)]() -> Result<std::string> { return bytes; }});
    }
    if (doc.isChecked(ctl::ViscolorCheck)) text("viscolor.txt", ViscolorLines(doc));
    addSheetFiles(files, doc, SheetWindow::Playlist);
    if (mainWindow && doc.isChecked(ctl::chkASP)) text("asp.txt", AspLines(doc));
    return files;
}

std::vector<std::string> SkinFileList(const Document& doc) {
    std::vector<std::string> names;
    const bool mainWindow = !eqOnly(doc);
    if (mainWindow) addSheetNames(names, doc, SheetWindow::Main);
    addSheetNames(names, doc, SheetWindow::Equalizer);
    if (mainWindow && doc.isChecked(ctl::PleditCheck)) names.emplace_back("pledit.txt");
    if (mainWindow && doc.isChecked(ctl::MaronCheck)) names.emplace_back("maron.txt");
    if (doc.isChecked(ctl::RegionCheck)) names.emplace_back("region.txt");
    if (doc.isChecked(ctl::ViscolorCheck)) names.emplace_back("viscolor.txt");
    addSheetNames(names, doc, SheetWindow::Playlist);
    if (mainWindow && doc.isChecked(ctl::chkASP)) names.emplace_back("asp.txt");
    return names;
}

std::vector<std::string> MissingPlayerFiles(const Document& doc) {
    const std::vector<std::string> written = SkinFileList(doc);
    std::vector<std::string> missing;
    for (std::string_view needed : kFilesPlayersNeed)
        if (std::find(written.begin(), written.end(), needed) == written.end()) missing.emplace_back(needed);
    return missing;
}

std::optional<Words> MissingPlayerFilesWarning(const Document& doc) {
    const std::vector<std::string> missing = MissingPlayerFiles(doc);
    if (missing.empty()) return std::nullopt;
    std::string names;
    for (const std::string& name : missing) names += (names.empty() ? "" : ", ") + name;
    return Words(CoreMessage::wording("the skin lacks %1, which players need: Audacious refuses a skin without "
                                      "them and shows its own instead"),
                 {names});
}

Result<SavedSkin> SaveSkin(Document& doc, const fs::path& programFolder) {
    auto destination = ResolveDestination(doc);
    if (!destination) return destination.error();
    return SaveSkinTo(doc, programFolder, *destination);
}

bool IsSkinFileName(std::string_view name) {
    const auto named = [name](std::string_view file) { return equalsIgnoringCase(name, file); };
    return std::any_of(std::begin(kSkinSheets), std::end(kSkinSheets), [&](const SkinSheet& s) { return named(s.file); }) ||
           std::any_of(std::begin(kSkinTextFiles), std::end(kSkinTextFiles), named) ||
           std::any_of(std::begin(kSheetsPlayersPrefer), std::end(kSheetsPlayersPrefer), named);
}

Result<SavedSkin> StageSkin(Document& doc, const Destination& destination, OutputSet& outputs) {
    if (Status named = CheckDestinationName(destination); !named) return named.error();
    auto files = pendingFiles(doc);
    if (!files) return files.error();
    SavedSkin saved{destination, destination.baseFolder, {}};
    for (const PendingFile& f : *files) saved.files.push_back(f.name);
    if (destination.zip) {
        if (Status packed = stageArchive(destination, *files, outputs); !packed) return packed.error();
        return saved;
    }
    auto folder = stageFolder(destination, *files, outputs);
    if (!folder) return folder.error();
    saved.folder = *folder;
    return saved;
}

// The save reads nothing from the program folder any more; callers still name it.
Result<SavedSkin> SaveSkinTo(Document& doc, const fs::path& /*programFolder*/, const Destination& destination) {
    OutputSet outputs;
    auto saved = StageSkin(doc, destination, outputs);
    if (!saved) return saved.error();
    if (Status placed = outputs.commit(); !placed) return placed.error();
    return saved;
}

}  // namespace pelterra
