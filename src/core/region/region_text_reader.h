// A reader of region.txt as this program writes it and players read it: sections "[Name]", each
// with one "NumPoints=" line (the point count of every outline) and one "PointList=" line (x, y of
// every point), values separated by commas. Lines may end in CR LF or LF; empty lines are passed
// over. The reader checks what a player relies on: the points add up to the counts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

struct RegionTextSection {
    std::string name;                // between the brackets: "Normal", "Equalizer"
    std::vector<int> numPoints;      // the NumPoints values, one per outline
    std::vector<Point> pointList;    // the PointList values, taken two by two
    bool operator==(const RegionTextSection&) const = default;
};

// The sections of a region.txt text, in file order. Errors name the line: a line that is none of
// the three kinds, a value that is not a whole number, a key outside a section or given twice,
// a section without its NumPoints or PointList line, a section name given twice, a negative
// count, an odd number of PointList values, points that do not add up to the counts, or a text
// without any section.
Result<std::vector<RegionTextSection>> ParseRegionText(std::string_view text);

}  // namespace pelterra
