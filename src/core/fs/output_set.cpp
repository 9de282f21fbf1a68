#include "fs/output_set.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>
#include <thread>
#include <utility>
#include <variant>

#include "fs/atomic_file.h"
#include "fs/system_reason.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

// ---- Temporary names ----------------------------------------------------------------------------

// A mixing step (splitmix64): spreads the process id, the clock and a counter over the six
// characters. O_EXCL (or mkdir) makes a name unique; this only keeps retries rare.
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

// A folder moved aside where the file system cannot exchange two folders carries the name of the
// folder it came from after this mark, so that a run killed before the new folder went in can be
// mended by the next one.
constexpr char kAsideMark = '~';

bool isTemporaryName(std::string_view name) { return name.substr(0, kTemporaryPrefix.size()) == kTemporaryPrefix; }

// An open descriptor, closed when it goes out of scope (which lets go of its lock).
class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() { reset(); }
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        if (this != &other) {
            reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    void reset() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    // Closes it; a failing close can be a write that did not reach the disk. The errno or 0.
    int close() {
        const int fd = std::exchange(m_fd, -1);
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd = -1;
};

bool lockBlocking(int fd) {
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR) return false;
    return true;
}

// Whether `path` still names the entry `fd` was opened on: an entry removed (as a leftover)
// between its making and its locking is made anew under another name.
bool stillNamedBy(const fs::path& path, int fd) {
    struct stat byName {}, byDescriptor {};
    return ::lstat(path.c_str(), &byName) == 0 && ::fstat(fd, &byDescriptor) == 0 && byName.st_ino == byDescriptor.st_ino &&
           byName.st_dev == byDescriptor.st_dev;
}

struct LockedEntry {
    fs::path path;
    Descriptor fd;
};

enum class EntryKind { File, Folder };

// Makes a new file or folder of a temporary name in `folder` and locks it; the errno otherwise.
std::variant<LockedEntry, int> makeLockedTemporary(const fs::path& folder, EntryKind kind) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path path = folder / candidateName();
        Descriptor fd;
        if (kind == EntryKind::File) {
            // 0666 and the user's umask: the file gets the permissions any new file would get.
            fd = Descriptor(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
            if (!fd.valid() && errno != EEXIST) return errno;
        } else {
            if (::mkdir(path.c_str(), 0777) == 0) {
                fd = Descriptor(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
                if (!fd.valid()) continue;  // removed as a leftover meanwhile
            } else if (errno != EEXIST) {
                return errno;
            }
        }
        if (!fd.valid()) continue;
        if (!lockBlocking(fd.get())) return errno;
        if (stillNamedBy(path, fd.get())) return LockedEntry{std::move(path), std::move(fd)};
    }
    return EEXIST;
}

int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return 0;
}

// Whether two paths name the same place, after making them absolute and normal.
bool sameLocation(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    const fs::path x = fs::absolute(a, ec).lexically_normal(), y = fs::absolute(b, ec).lexically_normal();
    return !ec && (x == y || x == y / "" || x / "" == y);
}

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove_all(path, ignored);
}

// ---- Renames ------------------------------------------------------------------------------------

// renameat2 with flags; false with errno set when it failed.
bool renameWith(const fs::path& from, const fs::path& to, unsigned flags) {
    return ::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), flags) == 0;
}

bool exchangeUnsupported(int error) { return error == EINVAL || error == ENOSYS || error == ENOTSUP; }

std::optional<mode_t> modeOf(const fs::path& path, bool folder) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return std::nullopt;
    if (folder ? !S_ISDIR(st.st_mode) : !S_ISREG(st.st_mode)) return std::nullopt;
    return st.st_mode & 07777;
}

// ---- Carrying the user's own entries across -----------------------------------------------------

// Copies `from` to `to` (a new name) as a hard link, else byte for byte with its mode.
std::error_code carryFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::create_hard_link(from, to, ec);
    if (!ec) return ec;
    ec.clear();
    fs::copy_file(from, to, fs::copy_options::none, ec);
    return ec;
}

// Carries one entry of the old folder into the new one: files linked, symbolic links copied as
// links. Sockets, pipes and devices are not the user's files.
std::error_code carryEntry(const fs::path& from, fs::file_type type, const fs::path& to) {
    std::error_code ec;
    if (type == fs::file_type::regular) return carryFile(from, to);
    if (type == fs::file_type::symlink) fs::copy_symlink(from, to, ec);
    return ec;
}

}  // namespace

// ---- One output on its way -----------------------------------------------------------------------

struct OutputSet::Staged {
    fs::path target;
    LockedEntry made;           // the new file or folder, locked until the end
    EntryKind kind = EntryKind::File;
    Descriptor oldLock;         // the entry it replaces, locked so that no run takes it for a leftover
    fs::path aside;             // where the replaced entry went; empty when nothing was replaced
    bool inPlace = false;

    ~Staged() {
        if (!inPlace) removeQuietly(made.path);
    }
};

namespace {

// Locks the entry at `target` (the one about to be replaced), so that once moved aside it is
// not taken for a leftover. The lock is held on what `target` names when it is taken. Another
// save holds it only while it puts its outputs in place; a lock held longer (by some other
// program) is not waited for beyond a few seconds.
Descriptor lockPresentEntry(const fs::path& target) {
    using namespace std::chrono_literals;
    const auto giveUp = std::chrono::steady_clock::now() + 5s;
    while (std::chrono::steady_clock::now() < giveUp) {
        Descriptor fd(::open(target.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!fd.valid()) return {};  // nothing there, a link or unreadable: nothing to keep safe
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) return {};
            std::this_thread::sleep_for(5ms);
            continue;
        }
        if (stillNamedBy(target, fd.get())) return fd;
    }
    return {};
}

Error placeError(const fs::path& target, int error) {
    return Error{target.string(), CoreMessage::wording("cannot put the file in place: %1"), {SystemReason(error)}};
}

// The name a folder moved aside takes where the file system cannot exchange folders.
fs::path asideNameFor(const fs::path& target) {
    std::string name = candidateName();
    const std::string marked = name + kAsideMark + target.filename().string();
    return target.parent_path() / (marked.size() <= 255 ? marked : name);
}

}  // namespace

OutputSet::OutputSet() = default;
OutputSet::~OutputSet() = default;

Result<fs::path> OutputSet::stageFolder(const fs::path& target, const ReplacedEntry& replaced) {
    const fs::path parent = target.parent_path();
    RemoveLeftovers(parent);
    auto made = makeLockedTemporary(parent, EntryKind::Folder);
    if (const int* error = std::get_if<int>(&made))
        return Error{parent.string(), CoreMessage::wording("cannot create a file in this folder: %1"), {SystemReason(*error)}};
    auto staged = std::make_unique<Staged>();
    staged->target = target;
    staged->kind = EntryKind::Folder;
    staged->made = std::move(std::get<LockedEntry>(made));
    const fs::path& folder = staged->made.path;
    if (const auto mode = modeOf(target, true)) {
        ::fchmod(staged->made.fd.get(), *mode);
        std::error_code ec;
        for (fs::directory_iterator it(target, ec), end; !ec && it != end; it.increment(ec)) {
            const std::string name = it->path().filename().string();
            if (isTemporaryName(name)) continue;
            if (replaced(name)) {
                // A folder, pipe or device under a name of the new files is the user's: refused,
                // as it is where a single file is written.
                if (Status free = CheckFileTarget(it->path()); !free) return free.error();
                continue;
            }
            const fs::file_type type = it->symlink_status(ec).type();
            // A folder with folders of its own is not a skin's or a project's: replacing it whole
            // would take a tree of the user's along (a mistyped -o naming a home folder).
            if (type == fs::file_type::directory)
                return Error{target.string(),
                             CoreMessage::wording("this folder holds folders of its own, so it is not replaced: "
                                                  "choose a folder for this alone")};
            if (std::error_code carried = carryEntry(it->path(), type, folder / name))
                return Error{it->path().string(),
                             CoreMessage::wording("cannot keep this file in the new folder: %1"),
                             {SystemReason(carried)}};
        }
        if (ec) return Error{target.string(), CoreMessage::wording("cannot open the folder: %1"), {SystemReason(ec)}};
    }
    fs::path result = folder;
    m_staged.push_back(std::move(staged));
    return result;
}

Status OutputSet::stageFile(const fs::path& target, std::string_view bytes) {
    if (Status free = CheckFileTarget(target); !free) return free;
    const fs::path parent = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // A file of a folder this set replaces goes into the new folder.
    for (const auto& s : m_staged)
        if (s->kind == EntryKind::Folder && sameLocation(parent, s->target))
            return WriteNewFile(s->made.path / target.filename(), bytes, target);
    RemoveLeftovers(parent);
    auto made = makeLockedTemporary(parent, EntryKind::File);
    if (const int* error = std::get_if<int>(&made))
        return Error{target.string(), CoreMessage::wording("cannot create a file in this folder: %1"), {SystemReason(*error)}};
    auto staged = std::make_unique<Staged>();
    staged->target = target;
    staged->made = std::move(std::get<LockedEntry>(made));
    const int fd = staged->made.fd.get();
    if (const auto mode = modeOf(target, false)) ::fchmod(fd, *mode);
    if (const int error = writeAll(fd, bytes); error != 0)
        return Error{target.string(), CoreMessage::wording("writing the file failed: %1"), {SystemReason(error)}};
    // The descriptor stays open for its lock; fsync stands in for the close that would report
    // a write that did not reach the disk.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        return Error{target.string(), CoreMessage::wording("writing the file failed: %1"), {SystemReason(errno)}};
    m_staged.push_back(std::move(staged));
    return ok();
}

namespace {

// Where the file system cannot exchange two entries: the old entry is moved aside first (a file
// keeps a link under its own name meanwhile, so the file is never missing), then the new one in.
int putInPlaceWithoutExchange(OutputSet::Staged& s) {
    std::error_code ec;
    const bool folder = s.kind == EntryKind::Folder;
    const fs::path aside = folder ? asideNameFor(s.target) : s.target.parent_path() / candidateName();
    if (folder) {
        fs::rename(s.target, aside, ec);
        if (ec && ec != std::errc::no_such_file_or_directory) return ec.value();
    } else {
        fs::create_hard_link(s.target, aside, ec);
    }
    if (!ec) s.aside = aside;
    fs::rename(s.made.path, s.target, ec);
    if (!ec) return 0;
    const int error = ec.value();
    if (folder && !s.aside.empty()) {
        fs::rename(s.aside, s.target, ec);
        s.aside.clear();
    }
    return error;
}

// Puts one staged output at its target; what it replaces goes to `aside`.
int putInPlace(OutputSet::Staged& s) {
    s.oldLock = lockPresentEntry(s.target);
    if (renameWith(s.made.path, s.target, RENAME_NOREPLACE)) return 0;
    if (exchangeUnsupported(errno)) return putInPlaceWithoutExchange(s);
    if (errno != EEXIST) return errno;
    if (renameWith(s.made.path, s.target, RENAME_EXCHANGE)) {
        s.aside = s.made.path;  // the staged name now holds what was replaced
        return 0;
    }
    return exchangeUnsupported(errno) ? putInPlaceWithoutExchange(s) : errno;
}

// Undoes putInPlace: the replaced entry goes back to its name, the new one is removed.
void takeBack(OutputSet::Staged& s) {
    std::error_code ec;
    if (s.aside == s.made.path) {
        if (renameWith(s.made.path, s.target, RENAME_EXCHANGE)) {
            s.aside.clear();
            return;
        }
    }
    const fs::path out = s.target.parent_path() / candidateName();
    fs::rename(s.target, out, ec);
    if (!s.aside.empty()) fs::rename(s.aside, s.target, ec);
    removeQuietly(out);
    s.aside.clear();
}

}  // namespace

Status OutputSet::commit() {
    for (std::size_t i = 0; i < m_staged.size(); ++i) {
        Staged& s = *m_staged[i];
        if (const int error = putInPlace(s); error != 0) {
            for (std::size_t j = i; j-- > 0;) {
                takeBack(*m_staged[j]);
                m_staged[j]->inPlace = false;
            }
            return placeError(s.target, error);
        }
        s.inPlace = true;
    }
    for (const auto& s : m_staged)
        if (!s->aside.empty()) removeQuietly(s->aside);
    m_staged.clear();
    return ok();
}

Status WriteNewFile(const fs::path& path, std::string_view bytes, const fs::path& shownAs) {
    // Whatever has the name goes first: it may be a link to a file of the replaced folder, which
    // must stay as it was.
    ::unlink(path.c_str());
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!fd.valid())
        return Error{shownAs.string(), CoreMessage::wording("cannot create a file in this folder: %1"), {SystemReason(errno)}};
    int error = writeAll(fd.get(), bytes);
    if (const int closed = fd.close(); error == 0) error = closed;
    if (error != 0) return Error{shownAs.string(), CoreMessage::wording("writing the file failed: %1"), {SystemReason(error)}};
    return ok();
}

namespace {

// A folder moved aside by a run killed before its new folder went in goes back to its name.
bool putBackIfOrphaned(const fs::path& folder, std::string_view name) {
    const std::size_t mark = name.find(kAsideMark);
    if (mark == std::string_view::npos) return false;
    const fs::path original = folder / std::string(name.substr(mark + 1));
    std::error_code ec;
    if (fs::symlink_status(original, ec).type() != fs::file_type::not_found) return false;
    return renameWith(folder / std::string(name), original, RENAME_NOREPLACE);
}

}  // namespace

void RemoveLeftovers(const fs::path& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!isTemporaryName(name)) continue;
        const fs::path path = it->path();
        Descriptor fd(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!fd.valid()) {
            // A link kept while a file was replaced on a file system without exchange.
            if (errno == ELOOP) ::unlink(path.c_str());
            continue;
        }
        if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) continue;  // in use by a running save
        if (!stillNamedBy(path, fd.get())) continue;
        if (putBackIfOrphaned(folder, name)) continue;
        removeQuietly(path);  // removed while locked: a run that made it meanwhile makes another
    }
}

}  // namespace pelterra
