// Packing the skin into one archive: the written skin files, by name, flat at the archive's top
// level. The archive is written beside its final name and renamed over it only when complete,
// so a failed pack keeps the user's older archive.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "result.h"

namespace pelterra {

// The text wrapped in double quotes when it holds a space or a comma, else unchanged.
std::string QuoteIfNeeded(std::string_view text);

// Trailing spaces removed, then a backslash appended unless the text already ends in one.
std::string WithTrailingSeparator(std::string_view path);

// Packs `names` (files of `sourceFolder`, in this order) into `archive`. Every failure is
// reported with the message "Zip圧縮失敗" and the reason; the older archive is then untouched.
Status PackFiles(const std::filesystem::path& archive, const std::filesystem::path& sourceFolder,
                 const std::vector<std::string>& names);

// The archiver check of the build button. With the archiver linked in it is always there; the
// check stays so that the build can report its absence ("zip32j.dllが見つかりません").
bool FindLibrary(std::string_view fileName);

}  // namespace pelterra
