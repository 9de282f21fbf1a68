// region.txt, the window outline a skin carries: one section per traced window, its point counts
// on one line and all its points on the next, every value followed by a comma:
//
//   [Normal]<CR LF>NumPoints=4,<CR LF>PointList=4,5,5,5,5,6,4,6,
//
// A second section (the equalizer half of a two-window picture) follows after CR LF CR LF; the
// file ends after the last comma. WriteRegionText makes it from the outlines the document holds,
// writes it into the per-user work folder and hands its bytes to the skin save, which puts them
// into the skin folder or the archive.
#pragma once

#include <filesystem>
#include <optional>
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
    std::span<const Outline> outlines;
};

// The bytes of region.txt for the given sections.
std::string RegionTextBytes(std::span<const RegionSection> sections);

// The section names: the first section (area 0) is "Normal" when the EQ region flag is 0 or
// "EQが下" is checked, else "Equalizer"; the second (area 1) is "Normal" when "EQが下" is not
// checked, else "Equalizer".
std::string_view FirstRegionSectionName(const Document& doc);
std::string_view SecondRegionSectionName(const Document& doc);

// The outlines of area 0 (main window) or 1 (equalizer) that region.txt and the preview shape
// take: the first MainOutlineCount (EqOutlineCount) of those the last trace left in the
// document. No trace at all, or a count larger than the outlines held (a count set by hand, a
// project saved before projects kept their outlines), is an error that says so: region.txt is
// never cut short or made from the outlines of another picture.
Result<std::span<const Outline>> TracedOutlines(const Document& doc, int area);

struct RegionTextWritten {
    std::filesystem::path path;  // region.txt in the work folder; empty when it could not be written
    std::string bytes;           // its content
    int outlines = 0;            // outlines written, both sections
    std::optional<Error> workCopySkipped;  // why the copy in the work folder could not be written
};

// The bytes of region.txt from the outlines the document holds, written nowhere (the player
// view); the errors are those of WriteRegionText.
Result<std::string> RegionTextOf(const Document& doc);

// WriteRegionText: makes region.txt from the outlines the document holds (TracedOutlines of
// area 0, and of area 1 when the EQ region flag is 1) and writes it into the work folder as well,
// for anyone who reads it there. Outlines that cannot be had (see TracedOutlines) are errors that
// say so. The copy in the work folder is only a courtesy: a skin saved with region.txt must not
// fail for want of a writable per-user folder, so a copy that cannot be written is noted in
// RegionTextWritten::workCopySkipped and the bytes are handed back all the same. When an earlier
// work file of this run could not be written (`workFilesSkipped`), the copy is not tried and that
// failure is the one noted.
Result<RegionTextWritten> WriteRegionText(const Document& doc,
                                          const std::optional<Error>& workFilesSkipped = std::nullopt);

}  // namespace pelterra
