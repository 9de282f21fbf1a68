// The text form of traced outlines that the work files region1.txt..region4.txt hold and a
// project stores: a count text "94,12," (the point count of every outline, in trace order) and a
// point text "9,5,9,5,10,5," (x, comma, y, comma for every point, outline after outline). Every
// value is a decimal integer followed by one comma; readers accept spaces around a value.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/region_outlines.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// "94,12,"
std::string WorkCountsText(std::span<const int> counts);
// "9,5,9,5,10,5,": x, comma, y, comma for every point.
std::string WorkPointsText(std::span<const Point> points);

// Both texts of a list of outlines.
struct OutlineTexts {
    std::string counts;
    std::string points;
};
OutlineTexts OutlineTextsOf(std::span<const Outline> outlines);

// Reads the values of such a text: integers with spaces around them, each followed by one comma
// (a plus sign is taken as the old readers took it). The reading stops at the end of the text or
// at anything that is not such a value; failed() tells the two apart.
class WorkValueReader {
public:
    explicit WorkValueReader(std::string_view text) : m_text(text) {}
    // The next value, or false when the text has no further value.
    bool next(int& value);
    // True once the reading stopped at something that is not a value (rather than at the end).
    bool failed() const { return m_failed; }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
    bool m_failed = false;
};

// The outlines a count text and a point text describe, read strictly: every value a whole
// number, no count below zero, and exactly as many points as the counts add up to. Anything
// else is an error saying which text is wrong and how, so that damaged outlines are never taken
// for a shorter shape.
Result<std::vector<Outline>> ParseOutlineTexts(std::string_view counts, std::string_view points);

}  // namespace pelterra
