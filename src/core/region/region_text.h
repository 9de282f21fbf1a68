// region.txt, the window outline a skin carries: one section per traced window, its point counts
// on one line and all its points on the next, every value followed by a comma:
//
//   [Normal]<CR LF>NumPoints=4,<CR LF>PointList=4,5,5,5,5,6,4,6,
//
// A second section (the equalizer half of a two-window picture) follows after CR LF CR LF; the
// file ends after the last comma. WriteRegionText writes it into the per-user work folder and
// hands its bytes to the skin save, which puts them into the skin folder or the archive.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

inline constexpr std::string_view kRegionTextName = "region.txt";  // in the work folder

// One section of region.txt: its name ("Normal" or "Equalizer") and its outlines in trace order.
struct RegionSection {
    std::string_view name;
    std::vector<std::vector<Point>> outlines;
};

// The bytes of region.txt for the given sections.
std::string RegionTextBytes(std::span<const RegionSection> sections);

// The section names: the first section (area 0) is "Normal" when the EQ region flag is 0 or
// "EQが下" is checked, else "Equalizer"; the second (area 1) is "Normal" when "EQが下" is not
// checked, else "Equalizer".
std::string_view FirstRegionSectionName(const Document& doc);
std::string_view SecondRegionSectionName(const Document& doc);

struct RegionTextWritten {
    std::filesystem::path path;  // region.txt in the work folder
    std::string bytes;           // its content
    int outlines = 0;            // outlines written, both sections
    int missing = 0;             // outlines left out because a work file ended early
};

// WriteRegionText: reads the outlines of the last trace back from the work files (as many as
// the outline counts say; a work file the program has not written yet is read from
// PartsData\system) and writes region.txt into the work folder. Outlines a short work file
// cannot supply are left out, so the counts always add up to the points; `missing` tells how many.
// A work file that cannot be read or a region.txt that cannot be written is an error naming it.
Result<RegionTextWritten> WriteRegionText(const Document& doc, const std::filesystem::path& programFolder);

}  // namespace pelterra
