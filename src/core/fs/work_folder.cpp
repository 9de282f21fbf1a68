#include "fs/work_folder.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

#include "fs/program_path.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

// True when a file can be created in the folder (tried, then removed).
bool canWriteInto(const fs::path& folder) {
    std::random_device rd;
    const fs::path probe = folder / (".~write-test." + std::to_string(rd()));
    bool written = false;
    {
        std::ofstream out(probe, std::ios::binary);
        written = static_cast<bool>(out);
    }
    std::error_code ignored;
    fs::remove(probe, ignored);
    return written;
}

}  // namespace

fs::path userWorkFolder() {
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return fs::path(xdg) / "pelterra" / "system";
    const char* home = std::getenv("HOME");
    return fs::path(home && *home ? home : "/tmp") / ".local" / "share" / "pelterra" / "system";
}

Result<fs::path> WorkFolder(const fs::path& programFolder) {
    if (auto system = resolveProgramPath(programFolder, "\\PartsData\\system"); system && canWriteInto(*system))
        return *system;
    const fs::path user = userWorkFolder();
    std::error_code ec;
    fs::create_directories(user, ec);
    if (!fs::is_directory(user) || !canWriteInto(user))
        return Error{user.string(), "neither PartsData\\system beside the program nor this per-user folder can be written"};
    return user;
}

Result<fs::path> WorkFileForReading(const fs::path& programFolder, std::string_view name) {
    if (auto folder = WorkFolder(programFolder)) {
        if (auto inWork = resolveProgramPath(*folder, name); inWork && fs::is_regular_file(*inWork)) return *inWork;
    }
    auto shipped = resolveProgramPath(programFolder, "\\PartsData\\system\\" + std::string(name));
    if (shipped && fs::is_regular_file(*shipped)) return *shipped;
    return Error{(programFolder / "PartsData" / "system" / std::string(name)).string(), "the file is missing"};
}

Result<WorkFolderLock> WorkFolderLock::acquire(const fs::path& workFolder) {
    const fs::path lockFile = workFolder / ".pelterra-save.lock";
    const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return Error{lockFile.string(), "cannot create the lock file of the work folder"};
    while (::flock(fd, LOCK_EX) != 0) {
        if (errno != EINTR) {
            ::close(fd);
            return Error{lockFile.string(), "cannot lock the work folder"};
        }
    }
    return WorkFolderLock(fd);
}

WorkFolderLock::~WorkFolderLock() {
    if (m_fd >= 0) ::close(m_fd);  // closing releases the lock
}

}  // namespace pelterra
