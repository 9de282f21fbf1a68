// The outputs of one command, written first and put in place together: a skin folder or a
// project folder replaced as a whole, an archive, a preview. Each is made under a temporary name
// beside its target (".pt-" and six letters); only when every one was made are they put in place,
// each with one rename: a folder is exchanged with the folder it replaces, so that a kill at any
// moment leaves the old folder or the new one, never a mix. Should putting one in place fail, the
// ones already in place are put back. What the outputs replaced is removed last.
//
// Every temporary entry is locked (flock) by the process that made it for as long as it lives.
// Entries of a temporary name that nobody holds are leftovers of a run that was killed: staging
// an output removes them from the folder it writes into (a folder moved aside and not yet
// replaced is put back instead).
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "result.h"

namespace pelterra {

// One file of a staged folder: its name and how its bytes are made (called while staging, so a
// file whose bytes cannot be made stops the set before anything is replaced).
struct PendingFile {
    std::string name;
    std::function<Result<std::string>()> bytes;
};

// Which entries of the folder being replaced the new folder replaces (left behind with the old
// folder); every other entry is carried across into the new folder, so that files of the user's
// own kept there stay.
using ReplacedEntry = std::function<bool(std::string_view name)>;

class OutputSet {
public:
    OutputSet();
    ~OutputSet();  // what was staged and not put in place is removed
    OutputSet(const OutputSet&) = delete;
    OutputSet& operator=(const OutputSet&) = delete;

    // A new folder that will take the place of `target` (a folder, a symbolic link, which is
    // replaced and never followed, or nothing yet). Returns the folder to write the new files
    // into; files of the present folder that `replaced` does not claim are already in it (hard
    // links where the file system allows). The new folder keeps the present one's mode. A present
    // folder that holds folders is refused.
    Result<std::filesystem::path> stageFolder(const std::filesystem::path& target, const ReplacedEntry& replaced);

    // A file of these bytes that will take the place of `target` (nothing, a regular file whose
    // mode it keeps, or a symbolic link, which is replaced). Anything else there is refused.
    Status stageFile(const std::filesystem::path& target, std::string_view bytes);

    // Puts every staged output in place, in the order staged; all of them or none.
    Status commit();

    struct Staged;  // one output on its way

private:
    std::vector<std::unique_ptr<Staged>> m_staged;
};

// Writes `bytes` as a new file `path` inside a staged folder (no temporary name needed there).
// Errors name `shownAs`, the path the file will have once the folder is in place.
Status WriteNewFile(const std::filesystem::path& path, std::string_view bytes, const std::filesystem::path& shownAs);

// Removes the leftovers of killed runs from `folder` (see above). Entries in use are left.
void RemoveLeftovers(const std::filesystem::path& folder);

}  // namespace pelterra
