// The folder of the program's work files: the region work files region1.txt to region4.txt and
// region.txt, which the program writes. They live in a per-user data folder, never in the
// PartsData library the program was given, which is only read. Reading a work file falls back to
// the copy that came with the library in PartsData\system while the program has written none.
#pragma once

#include <filesystem>
#include <string_view>

#include "result.h"

namespace pelterra {

// The per-user folder: $XDG_DATA_HOME/pelterra/system, or ~/.local/share/pelterra/system.
std::filesystem::path userWorkFolder();

// The per-user folder, created when missing. Fails when it cannot be created.
Result<std::filesystem::path> WorkFolder();

// A work file to read: the copy in the work folder when there is one, else the one that came
// with the program in PartsData\system. Fails when neither exists.
Result<std::filesystem::path> WorkFileForReading(const std::filesystem::path& programFolder, std::string_view name);

}  // namespace pelterra
