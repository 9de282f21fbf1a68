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

// Reads a project folder whole before anything of the document changes: the manifest's text and
// every picture, so that a project that cannot be read in full changes nothing.
class ProjectReader {
public:
    explicit ProjectReader(fs::path folder) : m_folder(std::move(folder)) {}

    // Reads project.ini when the folder has one. A manifest that is there but cannot be read as
    // text is refused: the project is not loaded without it, as its choices would be lost.
    void readManifest() {
        auto path = resolveProgramPath(m_folder, backslashTail(kProjectManifest));
        if (!path) {
            if (!isNotFound(path.error())) refuse(path.error());  // the folder itself cannot be read
            return;
        }
        Result<std::string> bytes = ReadWholeFile(*path);
        if (!bytes) return refuse(bytes.error());
        Result<ManifestBody> text = DecodeManifestBytes(*bytes, path->string());
        if (!text) return refuse(text.error());
        m_manifest = ReadManifest{path->string(), std::move(*text)};
    }
    bool hasManifest() const { return m_manifest.has_value(); }
    bool manifestRefused() const { return m_report.manifestRefused; }

    // Reads one picture of the project into memory, or notes that it is missing or unreadable.
    void readPicture(std::string_view file, SlotRef slot) {
        auto path = resolveProgramPath(m_folder, backslashTail(file));
        if (!path && isNotFound(path.error())) {
            m_report.missingFiles.emplace_back(file);
            return;
        }
        m_anyPictureThere = true;
        Result<Bitmap> picture = path ? LoadPicture(path->string()) : Result<Bitmap>(path.error());
        if (!picture) return noteUnreadable(picture.error());
        m_pictures.push_back({slot, std::move(*picture)});
    }

    // A folder holding any picture of the project must hold every one it reads; one holding none
    // is no project, and the load changes nothing.
    bool complete() const {
        return !m_anyPictureThere || (m_report.missingFiles.empty() && m_report.unreadableFiles.empty());
    }

    void markIncomplete() { m_report.incomplete = true; }

    // Puts what was read into the document: the manifest's values, then the pictures in order.
    void applyTo(Document& doc) {
        if (m_manifest) {
            if (m_manifest->body.warning) m_report.problems.push_back(*m_manifest->body.warning);
            auto problems = ApplyManifest(doc, m_manifest->body.text, m_manifest->path);
            m_report.problems.insert(m_report.problems.end(), problems.begin(), problems.end());
            m_report.manifest = true;
        }
        for (ReadPicture& p : m_pictures) {
            doc.assignSlot(p.slot.name, p.slot.index, std::move(p.picture));
            // The slot no longer shows the part its list chose, so its "コピー" must not hand that out.
            doc.listChoicePictures.erase(controlKey(p.slot.name, p.slot.index));
            ++m_report.picturesLoaded;
        }
    }

    ProjectLoadReport take() { return std::move(m_report); }

private:
    struct ReadManifest {
        std::string path;
        ManifestBody body;
    };
    struct ReadPicture {
        SlotRef slot;
        Bitmap picture;
    };

    void refuse(Error error) {
        m_report.problems.push_back(std::move(error));
        m_report.manifestRefused = true;
    }

    // Each failure once: EQData6.bmp is read twice, and a folder that cannot be read fails every file.
    void noteUnreadable(const Error& error) {
        for (const Error& known : m_report.unreadableFiles)
            if (known.path == error.path && known.message == error.message) return;
        m_report.unreadableFiles.push_back(error);
    }

    fs::path m_folder;
    std::optional<ReadManifest> m_manifest;
    std::vector<ReadPicture> m_pictures;
    bool m_anyPictureThere = false;
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

std::optional<Error> ProjectLoadReport::refusal(const fs::path& folder) const {
    if (manifestRefused) return problems.back();
    if (!incomplete) return std::nullopt;
    std::vector<Words> lines{
        Words(CoreMessage::wording("the project is incomplete, so nothing of it was loaded:"))};
    for (const std::string& file : missingFiles)
        lines.push_back(Error{(folder / file).string(), CoreMessage::wording("the file is missing")}.described());
    for (const Error& unreadable : unreadableFiles) lines.push_back(unreadable.described());
    std::string pattern;
    for (std::size_t i = 1; i <= lines.size(); ++i) pattern += (i > 1 ? "\n%" : "%") + std::to_string(i);
    return Error{folder.string(), Words::composed(pattern, std::move(lines))};
}

ProjectLoadReport LoadProject(Document& doc, const fs::path& folder) {
    ProjectReader reader(folder);
    reader.readManifest();
    if (reader.manifestRefused()) return reader.take();
    // Without project.ini a project is its numbered pictures alone: the manifest's own pictures
    // are not looked for, as such a project never had them.
    if (reader.hasManifest())
        for (const ManifestPicture& p : kManifestPictures) reader.readPicture(p.file, p.slot);
    for (const ProjectPictureFile& p : ProjectPictureFiles()) reader.readPicture(p.file, p.slot);
    if (!reader.complete()) {
        reader.markIncomplete();
        return reader.take();
    }
    reader.applyTo(doc);
    for (int i = 0; i < kColourGroupCount; ++i) (void)ColorChange(doc, i);
    return reader.take();
}

}  // namespace pelterra
