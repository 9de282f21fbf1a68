// The folder a save writes its files into: a folder of the chosen name in the chosen parent,
// reused in whatever letter case it already has, or made. Saves running at the same time may
// make it together. A save that fails takes away a folder it made itself while the folder is
// still empty, and never one that was there before.
#pragma once

#include <filesystem>
#include <string_view>

#include "result.h"

namespace pelterra {

// Whose folder it is, as the messages say it ("the skin needs a folder name").
enum class FolderOwner { Skin, Project };

// Ok for a plain folder name. Empty, "." and "..", a path separator or a zero character would
// put the files somewhere other than a folder of the chosen folder.
Status CheckFolderName(std::string_view name, FolderOwner owner);

// Ok when `folder` is a folder that can be opened; else why not (it does not exist, permission
// denied, a file is there).
Status CheckFolderToSaveInto(const std::filesystem::path& folder);

struct OutputFolder {
    std::filesystem::path path;
    bool made = false;  // this save made it
};

// The folder `name` of `parent` (the name checked by CheckFolderName, the parent by
// CheckFolderToSaveInto): an existing folder of that name in any letter case, an exact match
// first, or a new one. Something else of that name in the way is refused.
Result<OutputFolder> FolderForWriting(const std::filesystem::path& parent, std::string_view name, FolderOwner owner);

// After a failed save: removes the folder when this save made it and it is still empty.
void RemoveIfMadeAndEmpty(const OutputFolder& folder);

}  // namespace pelterra
