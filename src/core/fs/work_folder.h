// The folder of the program's work files (the files of PartsData\system that the program
// writes: region.txt, region1.txt to region4.txt, the files packed into an archive). Where the
// program's own folder cannot be written (an installed, read-only program), they go into a
// per-user data folder instead, and are read from there first.
#pragma once

#include <filesystem>
#include <string_view>

#include "result.h"

namespace pelterra {

// The per-user folder: $XDG_DATA_HOME/pelterra/system, or ~/.local/share/pelterra/system.
std::filesystem::path userWorkFolder();

// PartsData\system below the program folder when it exists and can be written; otherwise the
// per-user folder, created when missing. Fails only when neither can be used.
Result<std::filesystem::path> WorkFolder(const std::filesystem::path& programFolder);

// A work file to read: the copy in the work folder when there is one, else the one that came
// with the program in PartsData\system. Fails when neither exists.
Result<std::filesystem::path> WorkFileForReading(const std::filesystem::path& programFolder, std::string_view name);

// Holds the work folder for one save: files written there and packed from there by another
// process at the same time would end up in the wrong archive. Released when destroyed.
class WorkFolderLock {
public:
    // Waits until no other save holds the folder's lock file.
    static Result<WorkFolderLock> acquire(const std::filesystem::path& workFolder);
    WorkFolderLock(WorkFolderLock&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
    WorkFolderLock& operator=(WorkFolderLock&&) = delete;
    WorkFolderLock(const WorkFolderLock&) = delete;
    ~WorkFolderLock();

private:
    explicit WorkFolderLock(int fd) : m_fd(fd) {}
    int m_fd = -1;
};

}  // namespace pelterra
