// Packing the skin into one archive: the skin files, made in memory, flat at the archive's top
// level in the order given. The whole archive is made in memory, then written beside its final
// name and renamed over it, so a failed pack keeps the user's older archive.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "result.h"

namespace pelterra {

// One file of the archive: its name and its bytes.
struct ArchiveEntry {
    std::string name;
    std::string bytes;
};

// Packs `entries` into `archive`, in this order (a name given twice keeps the later bytes).
// Every failure is reported with the message "Zip圧縮失敗" and the reason; the older archive is
// then untouched.
Status PackEntries(const std::filesystem::path& archive, const std::vector<ArchiveEntry>& entries);

// The bytes of the archive PackEntries would write (its failures worded the same, without a path).
Result<std::string> PackArchiveBytes(const std::vector<ArchiveEntry>& entries);

// The failure of packing `archive` for the reason `why`, worded as PackEntries words it.
Error PackFailure(const std::filesystem::path& archive, const Error& why);

}  // namespace pelterra
