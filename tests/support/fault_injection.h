// Faults a test brings about for real, in a forked child so that they bind no one else: a write
// cut short by a file-size limit (as a full disk cuts it), a folder whose permissions bind the
// user (a superuser's child becomes the user "nobody"), a FIFO where a file would go.
//
// The body of a child may use EXPECT_...: its failures are printed by the child, and the child
// reports whether it saw any. pelterra-cli is run in such a child by tests/cli/cli_run.h.
#pragma once

#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

namespace pelterra::test_support {

// Runs `prepare` and then `body` in a forked child. True when the body ran without a failure,
// false when it failed, nullopt when `prepare` failed (or the child did not end normally).
inline std::optional<bool> inChild(const std::function<bool()>& prepare, const std::function<void()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        if (!prepare()) ::_exit(2);
        body();
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 2)
        return std::nullopt;
    return WEXITSTATUS(status) == 0;
}

// Makes this process one whom permissions bind: a superuser becomes "nobody" (uid and gid
// 65534); anyone else stays who they are. For a child only.
inline bool becomeUserBoundByPermissions() {
    if (::geteuid() != 0) return true;
    return ::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0;
}

// The body run with files limited to `limit` bytes; SIGXFSZ ignored, so that a write beyond the
// limit fails with EFBIG as on a full disk.
inline std::optional<bool> underFileSizeLimit(rlim_t limit, const std::function<void()>& body) {
    const auto limited = [limit] {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        return ::setrlimit(RLIMIT_FSIZE, &small) == 0;
    };
    return inChild(limited, body);
}

// Why a test of permissions is skipped: the child could not become a user whom they bind.
inline constexpr char kNoBoundUser[] = "no user whom permissions bind could be taken on";

// Read and search for everyone, writing for no one.
inline constexpr std::filesystem::perms kReadOnly =
    std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec | std::filesystem::perms::group_read |
    std::filesystem::perms::group_exec | std::filesystem::perms::others_read | std::filesystem::perms::others_exec;

// Takes away every permission of a folder while it lives, or all but the ones named; puts them
// back afterwards so that the folder can be removed.
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
