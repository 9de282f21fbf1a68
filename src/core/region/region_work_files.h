// The region work files in the per-user work folder (fs/work_folder.h): region1.txt (point
// count of every main-window outline) and region2.txt (their points), region3.txt and region4.txt
// the same for the equalizer, in the text form of region/outline_text.h. A trace writes them for
// anyone who reads them; the program itself never reads them back (the document holds the
// outlines), so a trace running at the same time in another run of the program cannot change
// what this one saves.
#pragma once

#include <filesystem>
#include <string_view>

#include "region/outline_text.h"
#include "region/region_trace.h"
#include "result.h"

namespace pelterra {

struct RegionWorkFiles {
    std::string_view counts;  // file names in the work folder
    std::string_view points;
};

inline constexpr RegionWorkFiles kMainWorkFiles{"region1.txt", "region2.txt"};
inline constexpr RegionWorkFiles kEqWorkFiles{"region3.txt", "region4.txt"};

// Where a work file is written: its name in the work folder, in the letter case of an existing
// file of that name. Fails when the work folder cannot be created.
Result<std::filesystem::path> WorkFileForWriting(std::string_view name);

// Writes both files of an area, each under a temporary name in the work folder first and renamed
// over the old one when whole. A file that cannot be written (no work folder, a folder in its
// place, disk full) is an error naming it.
Status WriteRegionWorkFiles(const RegionWorkFiles& files, const AreaOutlines& outlines);

}  // namespace pelterra
