#include "parts/list_part_files.h"

#include <algorithm>

#include "fs/ignore_case.h"
#include "fs/program_path.h"

namespace pelterra {

namespace {

// The base names in one folder under one suffix, in the order the lists show them.
Result<std::vector<std::string>> partNamesIn(const std::filesystem::path& programFolder, std::string_view folder,
                                             std::string_view suffix) {
    const auto path = resolveProgramPath(programFolder, folder);
    if (!path) return path.error();
    const auto files = listOrdinaryFiles(path.value());
    if (!files) return files.error();

    std::vector<std::string> names;
    for (const std::string& name : files.value()) {
        // The program writes backslashes between path components, so a name holding one
        // (possible on Linux only) could never be loaded back: leave it out.
        if (name.find('\\') != std::string::npos) continue;
        const std::size_t at = findIgnoringCase(name, suffix);
        if (at != std::string_view::npos) names.push_back(name.substr(0, at));
    }
    std::stable_sort(names.begin(), names.end(),
                     [](const std::string& a, const std::string& b) { return lessIgnoringCase(a, b); });
    return names;
}

}  // namespace

Status ListPartFiles(PartList& list, const std::filesystem::path& programFolder, std::string_view folder,
                     std::string_view suffix) {
    auto names = partNamesIn(programFolder, folder, suffix);
    if (names) list.entries.insert(list.entries.end(), names->begin(), names->end());
    // Selected even when the folder is missing, so the list never keeps a stale index.
    list.selected = list.empty() ? -1 : 0;
    if (!names) return names.error();
    return ok();
}

}  // namespace pelterra
