// Where the program finds its read-only library and where it writes. Run from the build tree,
// PartsData and the translations lie beside the executable; installed (<prefix>/bin/pelterra),
// they lie in <prefix>/share/pelterra, found relative to the executable so that any prefix works.
// An installed library belongs to the system and is never written to: the program's own writes go
// to the per-user XDG folders instead.
#pragma once

#include <filesystem>

#include "result.h"

namespace pelterra {

// The folder that holds PartsData for an executable in `executableFolder`: that folder itself
// when PartsData lies there, else ../share/pelterra when PartsData lies there, else the
// executable's folder again (so that the message about the missing library names it).
std::filesystem::path LibraryFolder(const std::filesystem::path& executableFolder);

// True when `libraryFolder` is the share/pelterra folder of an installed prefix.
bool IsInstalledLibrary(const std::filesystem::path& libraryFolder);

// True when a new file can be created in `folder` right now (tried, not guessed from the mode
// bits, so that read-only mounts and access rules count).
bool CanWriteInto(const std::filesystem::path& folder);

// The per-user data folder: $XDG_DATA_HOME/pelterra, or ~/.local/share/pelterra.
std::filesystem::path PerUserDataFolder();

// Where skins are saved until the user chooses a folder: beside the library when that is a
// writable build tree, else the per-user folder PerUserDataFolder()/skins, created when missing.
// Fails when neither can be written to.
Result<std::filesystem::path> DefaultSaveFolder(const std::filesystem::path& libraryFolder);

}  // namespace pelterra
