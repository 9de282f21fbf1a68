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

// The bytes of a ZIP archive holding `entries` in this order (a name given twice keeps the later
// bytes), each stored as an ordinary file readable by all and writable by its owner (0644). A
// failure says "cannot make the ZIP archive" and why, without a path.
Result<std::string> PackArchiveBytes(const std::vector<ArchiveEntry>& entries);

// Packs `entries` into `archive` (PackArchiveBytes, then written whole). Every failure is
// reported of `archive` with the message "cannot make the ZIP archive" and the reason; the older
// archive is then untouched.
Status PackEntries(const std::filesystem::path& archive, const std::vector<ArchiveEntry>& entries);

// The failure of packing `archive` for the reason `why`, worded as PackEntries words it.
Error PackFailure(const std::filesystem::path& archive, const Error& why);

}  // namespace pelterra
