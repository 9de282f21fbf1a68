#include "project/project.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "colours/viscolor.h"
#include "fs/ignore_case.h"
#include "fs/output_folder.h"
#include "fs/output_set.h"
#include "fs/program_path.h"
#include "fs/read_file.h"
#include "image/picture_file.h"
#include "output/skin_text.h"
#include "output/text_file.h"
#include "parts/categories.h"
#include "parts/colour_change.h"
#include "project/manifest.h"
#include "project/manifest_encoding.h"
#include "project/project_files.h"
#include "text/quote.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

std::string backslashTail(std::string_view file) { return "\\" + std::string(file); }

// The name under which a file is written: an existing file of that name in another letter case
// is the same file and keeps its name.
std::string nameInFolder(const fs::path& folder, std::string_view file) {
    auto path = resolveProgramPathForWriting(folder, backslashTail(file));
    return path ? path->filename().string() : std::string(file);
}

std::function<Result<std::string>()> pictureBytes(const Bitmap& picture) {
    return [&picture]() -> Result<std::string> {
        const auto b = EncodeBmp24(picture);
        return std::string(b.begin(), b.end());
    };
}

std::function<Result<std::string>()> textBytes(std::vector<std::string> lines) {
    return [lines = std::move(lines)]() { return TextFileBytes(lines); };
}

// Every file of a save, in order: the numbered pictures, the three text files, then what the
// manifest adds.
std::vector<PendingFile> projectFiles(const Document& doc, const fs::path& folder) {
    std::vector<PendingFile> files;
    auto add = [&](std::string_view file, std::function<Result<std::string>()> bytes) {
        files.push_back({nameInFolder(folder, file), std::move(bytes)});
    };
    for (const ProjectPictureFile& p : ProjectPictureFiles())
        add(p.file, pictureBytes(doc.slot(p.slot.name, p.slot.index)));
    add(kProjectPledit, textBytes(PleditLines(doc)));
    add(kProjectMaron, textBytes(MaronLines(doc)));
    add(kProjectViscolor, textBytes(ViscolorLines(doc)));
    for (const ManifestPicture& p : kManifestPictures) add(p.file, pictureBytes(doc.slot(p.slot.name, p.slot.index)));
    add(kProjectManifest, [text = ManifestText(doc)]() -> Result<std::string> { return text; });
    return files;
}

class ProjectReader {
public:
    ProjectReader(Document& doc, fs::path folder) : m_doc(doc), m_folder(std::move(folder)) {}

    // Reads project.ini when the folder has one. A manifest that is there but cannot be read as
    // text is refused: the project is not loaded without it, as its choices would be lost.
    void applyManifest() {
        auto path = resolveProgramPath(m_folder, backslashTail(kProjectManifest));
        if (!path || !isOrdinaryFile(*path)) return;
        Result<std::string> bytes = ReadWholeFile(*path);
        if (!bytes) return refuse(bytes.error());
        Result<ManifestBody> text = DecodeManifestBytes(*bytes, path->string());
        if (!text) return refuse(text.error());
        if (text->warning) m_report.problems.push_back(*text->warning);
        auto problems = ApplyManifest(m_doc, text->text, path->string());
        m_report.problems.insert(m_report.problems.end(), problems.begin(), problems.end());
        m_report.manifest = true;
    }
    bool manifestApplied() const { return m_report.manifest; }
    bool manifestRefused() const { return m_report.manifestRefused; }

    void loadPicture(std::string_view file, SlotRef slot) {
        auto path = resolveProgramPath(m_folder, backslashTail(file));
        if (!path || !isOrdinaryFile(*path)) {
            m_report.missingFiles.emplace_back(file);
            return;
        }
        auto picture = LoadPicture(path->string());
        if (!picture) {
            m_report.problems.push_back(picture.error());
            return;
        }
        m_doc.assignSlot(slot.name, slot.index, *picture);
        // The slot no longer shows the part its list chose, so its "コピー" must not hand that out.
        m_doc.listChoicePictures.erase(controlKey(slot.name, slot.index));
        ++m_report.picturesLoaded;
    }

    ProjectLoadReport take() { return std::move(m_report); }

private:
    void refuse(Error error) {
        m_report.problems.push_back(std::move(error));
        m_report.manifestRefused = true;
    }

    Document& m_doc;
    fs::path m_folder;
    ProjectLoadReport m_report;
};

}  // namespace

Status CheckProjectName(std::string_view name) { return CheckFolderName(name, FolderOwner::Project); }

bool IsProjectFileName(std::string_view name) {
    const auto named = [name](std::string_view file) { return equalsIgnoringCase(name, file); };
    for (const ProjectPictureFile& p : ProjectPictureFiles())
        if (named(p.file)) return true;
    for (const ManifestPicture& p : kManifestPictures)
        if (named(p.file)) return true;
    return named(kProjectPledit) || named(kProjectMaron) || named(kProjectViscolor) || named(kProjectManifest);
}

Result<SavedProject> StageProject(const Document& doc, const fs::path& parent, std::string_view name,
                                  OutputSet& outputs) {
    auto target = FolderToReplace(parent, name, FolderOwner::Project);
    if (!target) return target.error();
    // Names as the folder now has them, so that a file in another letter case keeps its name.
    const std::vector<PendingFile> files = projectFiles(doc, *target);
    auto folder = outputs.stageFolder(*target, IsProjectFileName);
    if (!folder) return folder.error();
    SavedProject saved{*target, {}};
    for (const PendingFile& f : files) {
        auto bytes = f.bytes();
        if (!bytes) return bytes.error().withPath((*target / f.name).string());
        if (Status written = WriteNewFile(*folder / f.name, *bytes, *target / f.name); !written) return written.error();
        if (std::find(saved.files.begin(), saved.files.end(), f.name) == saved.files.end()) saved.files.push_back(f.name);
    }
    return saved;
}

Result<SavedProject> SaveProject(const Document& doc, const fs::path& parent, std::string_view name) {
    OutputSet outputs;
    auto saved = StageProject(doc, parent, name, outputs);
    if (!saved) return saved.error();
    if (Status placed = outputs.commit(); !placed) return placed.error();
    return saved;
}

Result<SavedProject> SaveProject(const Document& doc, const fs::path& parent) {
    return SaveProject(doc, parent, doc.text(ctl::txtProject));
}

ProjectLoadReport LoadProject(Document& doc, const fs::path& folder) {
    ProjectReader reader(doc, folder);
    reader.applyManifest();
    if (reader.manifestRefused()) return reader.take();
    if (reader.manifestApplied())
        for (const ManifestPicture& p : kManifestPictures) reader.loadPicture(p.file, p.slot);
    for (const ProjectPictureFile& p : ProjectPictureFiles()) reader.loadPicture(p.file, p.slot);
    for (int i = 0; i < kColourGroupCount; ++i) (void)ColorChange(doc, i);
    return reader.take();
}

}  // namespace pelterra
