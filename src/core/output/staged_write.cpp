#include "output/staged_write.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <utility>

#include "fs/atomic_file.h"
#include "fs/system_reason.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

void removeQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

// Holds an exclusive lock on a folder while a set is put in place, so that sets saved into one
// folder at the same time (by this process or another) go in one after the other and the last
// one stands whole. A folder that cannot be opened for the lock is written without it.
class FolderLock {
public:
    explicit FolderLock(const fs::path& folder) : m_fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_fd < 0) return;
        while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~FolderLock() {
        if (m_fd >= 0) ::close(m_fd);  // closing lets go of the lock
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

private:
    int m_fd;
};

// The files of one set on their way into place.
class StagedSet {
public:
    explicit StagedSet(fs::path folder) : m_folder(std::move(folder)) {}
    ~StagedSet() { discardTemporaries(); }
    StagedSet(const StagedSet&) = delete;
    StagedSet& operator=(const StagedSet&) = delete;

    Status stage(const PendingFile& file) {
        const fs::path final = m_folder / file.name;
        auto bytes = file.bytes();
        if (!bytes) return bytes.error().withPath(final.string());
        auto temp = WriteTemporaryFile(m_folder, *bytes);
        if (!temp) return temp.error().withPath(final.string());
        for (Entry& e : m_entries)
            if (e.final == final) {  // the same name again: the later bytes win
                removeQuietly(e.temp);
                e.temp = *temp;
                return ok();
            }
        m_entries.push_back({*temp, final, {}});
        return ok();
    }

    // Moves the earlier files aside, then the new ones into place; on a failure everything is
    // moved back and the earlier files stand as they were.
    Status commit() {
        FolderLock lock(m_folder);
        for (const Entry& e : m_entries)
            if (Status target = CheckFileTarget(e.final); !target) return target;
        for (Entry& e : m_entries)
            if (Status aside = moveAside(e); !aside) {
                restoreBackups();
                return aside;
            }
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            std::error_code ec;
            fs::rename(m_entries[i].temp, m_entries[i].final, ec);
            if (ec) {
                for (std::size_t j = 0; j < i; ++j) removeQuietly(m_entries[j].final);
                restoreBackups();
                return Error{m_entries[i].final.string(),
                             CoreMessage::wording("cannot put the file in place: %1"),
                             {SystemReason(ec)}};
            }
            m_entries[i].temp.clear();
        }
        for (const Entry& e : m_entries)
            if (!e.backup.empty()) removeQuietly(e.backup);
        m_entries.clear();
        return ok();
    }

private:
    struct Entry {
        fs::path temp, final, backup;
    };

    // Renames the file now at the entry's name onto a reserved temporary name, from where it can
    // be put back. Nothing there, or gone meanwhile, needs no backup.
    Status moveAside(Entry& e) {
        std::error_code ec;
        if (fs::symlink_status(e.final, ec).type() == fs::file_type::not_found) return ok();
        auto backup = ReserveTemporaryName(m_folder);
        if (!backup)
            return Error{e.final.string(), CoreMessage::wording("cannot replace the file: %1"), {backup.error().words}};
        fs::rename(e.final, *backup, ec);
        if (ec) {
            removeQuietly(*backup);
            if (ec == std::errc::no_such_file_or_directory) return ok();
            return Error{e.final.string(), CoreMessage::wording("cannot replace the file: %1"), {SystemReason(ec)}};
        }
        e.backup = *backup;
        return ok();
    }

    void restoreBackups() {
        for (Entry& e : m_entries) {
            if (e.backup.empty()) continue;
            std::error_code ignored;
            fs::rename(e.backup, e.final, ignored);
            e.backup.clear();
        }
    }

    void discardTemporaries() {
        for (const Entry& e : m_entries)
            if (!e.temp.empty()) removeQuietly(e.temp);
    }

    fs::path m_folder;
    std::vector<Entry> m_entries;
};

}  // namespace

Status WriteStagedFiles(const fs::path& folder, const std::vector<PendingFile>& files) {
    StagedSet set(folder);
    for (const PendingFile& f : files)
        if (Status s = set.stage(f); !s) return s;
    return set.commit();
}

}  // namespace pelterra
