#include "output/staged_write.h"

#include <random>
#include <system_error>
#include <utility>

#include "output/text_file.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

// The files of one set on their way into place.
class StagedSet {
public:
    explicit StagedSet(fs::path folder) : m_folder(std::move(folder)), m_stamp(std::to_string(std::random_device{}())) {}
    ~StagedSet() { discardTemporaries(); }
    StagedSet(const StagedSet&) = delete;
    StagedSet& operator=(const StagedSet&) = delete;

    Status stage(const PendingFile& file) {
        const fs::path final = m_folder / file.name;
        auto bytes = file.bytes();
        if (!bytes) return Error{final.string(), bytes.error().message};
        const fs::path temp = hiddenName(file.name, "tmp");
        // The temporary name is the set's own, so it is written directly; commit() renames it.
        if (Status s = WriteNewFile(temp, *bytes); !s) return Error{final.string(), s.error().message};
        for (Entry& e : m_entries)
            if (e.final == final) {  // the same name again: the later bytes win
                std::error_code ignored;
                fs::remove(e.temp, ignored);
                e.temp = temp;
                return ok();
            }
        m_entries.push_back({temp, final, {}});
        return ok();
    }

    // Moves the earlier files aside, then the new ones into place; on a failure everything is
    // moved back and the earlier files stand as they were.
    Status commit() {
        for (const Entry& e : m_entries) {
            std::error_code ec;
            if (fs::is_directory(fs::symlink_status(e.final, ec)))
                return Error{e.final.string(), "a folder of this name is in the way of the file"};
        }
        for (Entry& e : m_entries) {
            std::error_code ec;
            if (!fs::exists(fs::symlink_status(e.final, ec))) continue;
            const fs::path backup = hiddenName(e.final.filename().string(), "old");
            fs::rename(e.final, backup, ec);
            if (ec) {
                restoreBackups();
                return Error{e.final.string(), "cannot replace the file: " + ec.message()};
            }
            e.backup = backup;
        }
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            std::error_code ec;
            fs::rename(m_entries[i].temp, m_entries[i].final, ec);
            if (ec) {
                for (std::size_t j = 0; j < i; ++j) {
                    std::error_code ignored;
                    fs::remove(m_entries[j].final, ignored);
                }
                restoreBackups();
                return Error{m_entries[i].final.string(), "cannot put the file in place: " + ec.message()};
            }
            m_entries[i].temp.clear();
        }
        for (Entry& e : m_entries) {
            std::error_code ignored;
            if (!e.backup.empty()) fs::remove(e.backup, ignored);
        }
        m_entries.clear();
        return ok();
    }

private:
    struct Entry {
        fs::path temp, final, backup;
    };

    fs::path hiddenName(const std::string& name, const char* kind) const {
        // The counter keeps a name given twice from sharing one temporary file.
        return m_folder / (".~" + name + "." + m_stamp + "." + std::to_string(m_counter++) + "." + kind);
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
        for (const Entry& e : m_entries) {
            std::error_code ignored;
            if (!e.temp.empty()) fs::remove(e.temp, ignored);
        }
    }

    fs::path m_folder;
    std::string m_stamp;
    mutable int m_counter = 0;
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
