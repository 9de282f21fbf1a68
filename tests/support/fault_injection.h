// Faults a test brings about for real: a write cut short by a file-size limit (as a full disk
// cuts it), run in a forked child so the limit binds no one else; a folder made read-only for
// the test's life; a FIFO where a file would go.
#pragma once

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace pelterra::test_support {

// Runs `body` in a forked child whose files may not grow beyond `limit` bytes (SIGXFSZ
// ignored, so a write beyond it fails with EFBIG). Returns what the child's body returned, or
// false when the child did not end normally.
inline bool underFileSizeLimit(rlim_t limit, const std::function<bool()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        rlimit small{limit, limit};
        if (::setrlimit(RLIMIT_FSIZE, &small) != 0) ::_exit(2);
        ::_exit(body() ? 0 : 1);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Permissions do not bind the superuser: tests of read-only folders skip themselves then.
inline bool permissionsBind() { return ::geteuid() != 0; }

// Takes away every permission of a folder while it lives (read, write and search), or the
// ones named; puts them back afterwards so the folder can be removed.
class LockedFolder {
public:
    explicit LockedFolder(std::filesystem::path folder,
                          std::filesystem::perms left = std::filesystem::perms::none)
        : m_folder(std::move(folder)) {
        std::filesystem::permissions(m_folder, left);
    }
    ~LockedFolder() {
        std::error_code ignored;
        std::filesystem::permissions(m_folder, std::filesystem::perms::owner_all, ignored);
    }
    LockedFolder(const LockedFolder&) = delete;
    LockedFolder& operator=(const LockedFolder&) = delete;

private:
    std::filesystem::path m_folder;
};

// A named pipe at `path`; true when it was made.
inline bool makeFifo(const std::filesystem::path& path) { return ::mkfifo(path.c_str(), 0600) == 0; }

}  // namespace pelterra::test_support
