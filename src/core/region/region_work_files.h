// The region work files in the per-user work folder (fs/work_folder.h): region1.txt (point
// count of every main-window outline) and region2.txt (their points), region3.txt and region4.txt
// the same for the equalizer. Plain text without line breaks, every value a decimal integer followed by one comma:
// "94,12," and "9,5,9,5,10,5,". The outline counts that say how many outlines to read are kept in
// the document, not in the files.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/bitmap.h"
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

// "94,12,"
std::string WorkCountsText(std::span<const int> counts);
// "9,5,9,5,10,5,": x, comma, y, comma for every point.
std::string WorkPointsText(std::span<const Point> points);

// Writes both files of an area, each replaced only when written whole. A file that cannot be
// written (no work folder, a folder in its place, disk full) is an error naming it.
Status WriteRegionWorkFiles(const RegionWorkFiles& files, const AreaOutlines& outlines);

// Reads the values of a work file: integers with spaces around them, each followed by one comma.
// The reading stops at the end of the text or at anything that is not such a value.
class WorkValueReader {
public:
    explicit WorkValueReader(std::string_view text) : m_text(text) {}
    // The next value, or false when the text has no further value.
    bool next(int& value);

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

// The outlines read back from a pair of work files.
struct WorkOutlines {
    std::vector<std::vector<Point>> outlines;  // only whole outlines, in trace order
    int missing = 0;  // outlines the files were too short for (their count or some points absent)
};

// Reads `outlineCount` outlines: their counts from the count file, then as many points for each
// from the point file. When a file ends early, the outline it cuts short and every later one are
// left out and counted as missing: a short file yields no further points. With an outline count
// of 0 the files are not read. A file that is needed but cannot be read is an error naming it.
Result<WorkOutlines> ReadRegionWorkFiles(const std::filesystem::path& programFolder, const RegionWorkFiles& files,
                                         int outlineCount);

}  // namespace pelterra
