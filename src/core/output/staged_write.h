// Writing a set of files as one: every file goes under a temporary name first, and only when all
// were written are they put in place. A failure leaves the files that were there before intact
// and no temporary file behind. Sets saved into one folder at the same time go in one after the
// other, so the last one stands whole. The skin save and the project save both write this way.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "result.h"

namespace pelterra {

// One file of the set: its name in the folder and how its bytes are made (called while staging,
// so a file whose bytes cannot be made stops the set before anything is replaced).
struct PendingFile {
    std::string name;
    std::function<Result<std::string>()> bytes;
};

// Writes the files into `folder` (which must exist). A name given twice is written once, with
// the later bytes. Existing files of the same names are replaced only when every file was
// staged; should putting one in place fail, the files already replaced are put back. A name
// taken by something other than a file or a symbolic link (see CheckFileTarget) fails the set
// before anything is replaced.
Status WriteStagedFiles(const std::filesystem::path& folder, const std::vector<PendingFile>& files);

}  // namespace pelterra
