// The folder a save replaces: a folder of the chosen name in the chosen parent, in whatever
// letter case it already has, or a new one (output_set.h puts the new folder in its place).
#pragma once

#include <filesystem>
#include <string_view>

#include "result.h"

namespace pelterra {

// Whose folder it is, as the messages say it ("the skin needs a folder name").
enum class FolderOwner { Skin, Project };

// Ok for a plain folder name. Empty, "." and "..", a '/' or a zero character would put the files
// somewhere other than a folder of the chosen folder. A backslash is an ordinary character here.
Status CheckFolderName(std::string_view name, FolderOwner owner);

// Ok when `folder` is a folder that can be opened; else why not (it does not exist, permission
// denied, a file is there).
Status CheckFolderToSaveInto(const std::filesystem::path& folder);

// The folder `name` of `parent` that a save replaces as a whole (the name checked by
// CheckFolderName, the parent by CheckFolderToSaveInto): an existing folder of that name in any
// letter case, an exact match first, a symbolic link of that name (replaced, not followed), or
// the new name. Something else of that name in the way is refused.
Result<std::filesystem::path> FolderToReplace(const std::filesystem::path& parent, std::string_view name,
                                              FolderOwner owner);

}  // namespace pelterra
