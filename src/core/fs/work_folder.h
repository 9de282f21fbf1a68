// The folder of the program's work files: the region work files region1.txt to region4.txt and
// region.txt, which the program writes (and never reads back). They live in a per-user data
// folder, never in the PartsData library the program was given, which is only read.
#pragma once

#include <filesystem>

#include "result.h"

namespace pelterra {

// The per-user folder: $XDG_DATA_HOME/pelterra/system, or ~/.local/share/pelterra/system.
std::filesystem::path userWorkFolder();

// The per-user folder, created when missing. Fails when it cannot be created.
Result<std::filesystem::path> WorkFolder();

}  // namespace pelterra
