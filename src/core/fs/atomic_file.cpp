#include "fs/atomic_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <string>
#include <system_error>

#include "fs/system_reason.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

// The folder a path's file lies in; "." for a bare name.
fs::path folderOf(const fs::path& path) {
    const fs::path parent = path.parent_path();
    return parent.empty() ? fs::path(".") : parent;
}

// A mixing step (splitmix64): spreads the process id, the clock and a counter over the six
// characters. O_EXCL makes a name unique; this only keeps retries rare.
std::uint64_t mix(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::string candidateName() {
    static std::atomic<std::uint64_t> counter{0};
    constexpr std::string_view kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    const auto now = static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::uint64_t bits = mix(now ^ (static_cast<std::uint64_t>(::getpid()) << 40) ^ mix(counter++));
    std::string name(kTemporaryPrefix);
    for (int i = 0; i < 6; ++i) {
        name.push_back(kAlphabet[bits % kAlphabet.size()]);
        bits /= kAlphabet.size();
    }
    return name;
}

// A file descriptor closed when it goes out of scope, unless closed (and checked) before.
class NewFile {
public:
    NewFile() = default;
    ~NewFile() {
        if (m_fd >= 0) ::close(m_fd);
    }
    NewFile(const NewFile&) = delete;
    NewFile& operator=(const NewFile&) = delete;

    // Makes a file of a new temporary name in `folder`; the errno of the failure otherwise.
    int create(const fs::path& folder) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_path = folder / candidateName();
            // 0666 and the user's umask: the file gets the permissions any new file would get.
            m_fd = ::open(m_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_fd >= 0) return 0;
            if (errno != EEXIST) return errno;
        }
        return EEXIST;
    }

    // Writes every byte; the errno of the failure otherwise.
    int write(std::string_view bytes) {
        while (!bytes.empty()) {
            const ssize_t n = ::write(m_fd, bytes.data(), bytes.size());
            if (n < 0) {
                if (errno == EINTR) continue;
                return errno;
            }
            bytes.remove_prefix(static_cast<std::size_t>(n));
        }
        return 0;
    }

    // Closes the file; a failing close can be a write that did not reach the disk.
    int close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 ? 0 : errno;
    }

    const fs::path& path() const { return m_path; }

private:
    int m_fd = -1;
    fs::path m_path;
};

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace

Status CheckFileTarget(const fs::path& target) {
    std::error_code ec;
    const fs::file_type type = fs::symlink_status(target, ec).type();
    switch (type) {
        case fs::file_type::not_found:
        case fs::file_type::regular:
        case fs::file_type::symlink: return ok();
        case fs::file_type::directory:
            return Error{target.string(), CoreMessage::wording("a folder of that name is in the way")};
        case fs::file_type::none:
            return Error{target.string(), CoreMessage::wording("cannot look at the file: %1"), {SystemReason(ec)}};
        default:
            return Error{
                target.string(),
                CoreMessage::wording("this is %1, not a regular file; it is left as it is: choose another name"),
                {FileTypeName(type)}};
    }
}

Result<fs::path> WriteTemporaryFile(const fs::path& folder, std::string_view bytes) {
    NewFile file;
    if (const int error = file.create(folder); error != 0)
        return Error{
            folder.string(), CoreMessage::wording("cannot create a file in this folder: %1"), {SystemReason(error)}};
    int error = file.write(bytes);
    if (const int closed = file.close(); error == 0) error = closed;
    if (error != 0) {
        removeQuietly(file.path());
        return Error{folder.string(), CoreMessage::wording("writing the file failed: %1"), {SystemReason(error)}};
    }
    return file.path();
}

Result<fs::path> ReserveTemporaryName(const fs::path& folder) { return WriteTemporaryFile(folder, {}); }

Status WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    if (Status target = CheckFileTarget(path); !target) return target;
    auto temp = WriteTemporaryFile(folderOf(path), bytes);
    if (!temp) return temp.error().withPath(path.string());
    std::error_code ec;
    fs::rename(*temp, path, ec);
    if (ec) {
        removeQuietly(*temp);
        return Error{path.string(), CoreMessage::wording("cannot put the file in place: %1"), {SystemReason(ec)}};
    }
    return ok();
}

}  // namespace pelterra
