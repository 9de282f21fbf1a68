#include "fs/program_folders.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <system_error>
#include <unistd.h>

#include "fs/program_path.h"
#include "fs/system_reason.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

constexpr const char* kLibraryName = "PartsData";

bool holdsLibrary(const fs::path& folder) {
    const auto library = resolveProgramPath(folder, kLibraryName);
    std::error_code ec;
    return library.ok() && fs::is_directory(library.value(), ec);
}

fs::path installedLibraryOf(const fs::path& executableFolder) {
    return executableFolder.parent_path() / "share" / "pelterra";
}

// The path with "." and ".." taken away and no trailing separator, so that two spellings of one
// folder compare equal without touching the disk.
fs::path tidy(const fs::path& path) {
    fs::path normal = path.lexically_normal();
    if (!normal.has_filename() && normal.has_parent_path() && normal != normal.root_path()) normal = normal.parent_path();
    return normal;
}

}  // namespace

fs::path LibraryFolder(const fs::path& executableFolder) {
    if (holdsLibrary(executableFolder)) return executableFolder;
    const fs::path installed = installedLibraryOf(executableFolder);
    if (holdsLibrary(installed)) return installed;
    return executableFolder;
}

bool IsInstalledLibrary(const fs::path& libraryFolder) {
    const fs::path folder = tidy(libraryFolder);
    return folder.filename() == "pelterra" && folder.parent_path().filename() == "share";
}

bool CanWriteInto(const fs::path& folder) {
    // O_TMPFILE would leave no trace, but not every file system offers it: a named probe that is
    // removed at once works everywhere.
    std::string probe = (folder / ".pelterra-write-probe-XXXXXX").string();
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

fs::path PerUserDataFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "pelterra";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "pelterra";
}

Result<fs::path> DefaultSaveFolder(const fs::path& libraryFolder) {
    if (!IsInstalledLibrary(libraryFolder) && CanWriteInto(libraryFolder)) return libraryFolder;
    const fs::path skins = PerUserDataFolder() / "skins";
    std::error_code ec;
    fs::create_directories(skins, ec);
    if (std::error_code typeError; !fs::is_directory(skins, typeError) || !CanWriteInto(skins))
        return Error{skins.string(), CoreMessage::wording("cannot create the per-user folder for skins: %1"),
                     {ec ? SystemReason(ec) : Words(CoreMessage::wording("it cannot be written to"))}};
    return skins;
}

}  // namespace pelterra
