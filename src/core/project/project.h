// Project save and load ("プロジェクト保存", "プロジェクト読みこみ"): the pictures that cannot be
// remade from the parts library go into a project folder as numbered BMP files, with pledit.txt,
// maron.txt and viscolor.txt; loading reads the pictures back and runs the colour change of all
// ten groups. Beside them the manifest project.ini keeps every control value and the pictures
// the build needs beyond the numbered set, so that a loaded project rebuilds the same skin.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "fs/output_set.h"
#include "result.h"

namespace pelterra {

// Why a project name cannot be used, as an error; ok for a plain folder name. A name with a path
// separator, "." or "..", or no characters at all would put the files somewhere other than a
// folder of the chosen folder.
Status CheckProjectName(std::string_view name);

struct SavedProject {
    std::filesystem::path folder;    // the project folder, in the letter case it already had
    std::vector<std::string> files;  // every file written, in order (EQData6.bmp once)
};

// Whether a file of this name in a project folder is one a save writes (any letter case); the
// folder's other files are the user's and stay when the folder is replaced.
bool IsProjectFileName(std::string_view name);

// Makes the project's files in a new folder staged in `outputs` to replace the folder `name` of
// `parent` as a whole (see fs/output_set.h); nothing is put in place until the caller commits.
// A folder of that name in any letter case is the one replaced, and keeps its case; so do its
// files of the same names in another case.
Result<SavedProject> StageProject(const Document& doc, const std::filesystem::path& parent, std::string_view name,
                                  OutputSet& outputs);

// Stages and commits at once: a save that fails, or is killed, leaves the earlier project as it
// was, and names the file and what went wrong.
Result<SavedProject> SaveProject(const Document& doc, const std::filesystem::path& parent, std::string_view name);
// The same with the name in txtProject.
Result<SavedProject> SaveProject(const Document& doc, const std::filesystem::path& parent);

struct ProjectLoadReport {
    bool manifest = false;                  // project.ini was found and applied
    bool manifestRefused = false;           // project.ini is there but unreadable: nothing loaded
    bool incomplete = false;                // pictures of the project are missing or unreadable: nothing loaded
    int picturesLoaded = 0;                 // picture files read into slots (EQData6.bmp twice)
    std::vector<std::string> missingFiles;  // described picture files the folder does not hold
    std::vector<Error> unreadableFiles;     // picture files that are there but cannot be read, each once
    std::vector<Error> problems;            // the manifest's: a warning on its encoding, lines not applied

    // Why the load changed nothing: the manifest's reason, or for an incomplete project a first
    // line and then one line naming each missing or unreadable file; nullopt when it went through.
    std::optional<Error> refusal(const std::filesystem::path& folder) const;
};

// Loads the project folder (matched without regard to letter case, file by file). With a
// manifest: its control values, paths and flags first, then its own pictures; then the numbered
// pictures in the order of the save; then ColorChange for groups 0 to 9.
// Everything is read before anything changes, and a project that cannot be read whole changes
// nothing:
// - a manifest that cannot be read, or is neither UTF-8 nor CP932, stops the load
//   (manifestRefused, the reason among the problems); one in CP932 is converted (a warning among
//   the problems says so);
// - a folder holding any picture of the project must hold all of them: the numbered pictures,
//   and with a manifest its own pictures too. A missing one, or one that cannot be read (a folder,
//   a named pipe or a device in its place, a damaged file), stops the load (incomplete). A
//   project saved by this program holds them all; one without project.ini has no pictures of
//   the manifest to miss; a project.ini alone restores the values it holds.
// A folder that holds nothing of a project (no manifest, no picture) changes nothing but the
// colour change.
ProjectLoadReport LoadProject(Document& doc, const std::filesystem::path& folder);

}  // namespace pelterra
