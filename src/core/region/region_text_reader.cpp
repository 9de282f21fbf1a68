#include "region/region_text_reader.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <optional>

#include "region/outline_text.h"

namespace pelterra {

namespace {

constexpr std::string_view kNumPoints = "NumPoints=";
constexpr std::string_view kPointList = "PointList=";

Error lineError(int line, Words message) {
    return Error{"", CoreMessage::wording("region.txt line %1: %2"), {line, std::move(message)}};
}

// Every value of a NumPoints or PointList line.
Result<std::vector<int>> valuesOf(std::string_view text, int line) {
    std::vector<int> values;
    WorkValueReader reader(text);
    for (int v = 0; reader.next(v);) values.push_back(v);
    if (reader.failed()) return lineError(line, CoreMessage::wording("a value is not a whole number"));
    return values;
}

// A section as it is read: where it began and which of its lines have come.
struct OpenSection {
    RegionTextSection section;
    int line = 0;
    bool hasCounts = false;
    bool hasPoints = false;
    std::vector<int> pointValues;
};

Status closeSection(OpenSection& open, std::vector<RegionTextSection>& sections) {
    const std::string& where = open.section.name;
    if (!open.hasCounts || !open.hasPoints)
        return lineError(open.line, {CoreMessage::wording("section [%1] lacks its %2 line"),
                                     {where, open.hasCounts ? "PointList" : "NumPoints"}});
    const std::vector<int>& counts = open.section.numPoints;
    if (std::any_of(counts.begin(), counts.end(), [](int n) { return n < 0; }))
        return lineError(open.line, {CoreMessage::wording("section [%1] has a negative point count"), {where}});
    if (open.pointValues.size() % 2 != 0)
        return lineError(open.line,
                         {CoreMessage::wording("section [%1] has an x without its y in PointList"), {where}});
    const std::int64_t total = std::accumulate(counts.begin(), counts.end(), std::int64_t{0});
    const auto pairs = static_cast<std::int64_t>(open.pointValues.size() / 2);
    if (total != pairs)
        return lineError(open.line,
                         {CoreMessage::wording("section [%1] counts %2 points but lists %3"), {where, total, pairs}});
    for (std::size_t i = 0; i < open.pointValues.size(); i += 2)
        open.section.pointList.push_back({open.pointValues[i], open.pointValues[i + 1]});
    for (const RegionTextSection& s : sections)
        if (s.name == open.section.name)
            return lineError(open.line, {CoreMessage::wording("section [%1] appears twice"), {where}});
    sections.push_back(std::move(open.section));
    return ok();
}

}  // namespace

Result<std::vector<RegionTextSection>> ParseRegionText(std::string_view text) {
    std::vector<RegionTextSection> sections;
    std::optional<OpenSection> open;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.front() == '[') {
            if (line.size() < 3 || line.back() != ']')
                return lineError(lineNumber, CoreMessage::wording("a section name is written [Name]"));
            if (open)
                if (Status closed = closeSection(*open, sections); !closed) return closed.error();
            open = OpenSection{};
            open->section.name = std::string(line.substr(1, line.size() - 2));
            open->line = lineNumber;
            continue;
        }
        const bool counts = line.starts_with(kNumPoints);
        if (!counts && !line.starts_with(kPointList))
            return lineError(lineNumber, CoreMessage::wording("a line is a section name, NumPoints= or PointList="));
        if (!open) return lineError(lineNumber, CoreMessage::wording("values come before the first section name"));
        bool& seen = counts ? open->hasCounts : open->hasPoints;
        if (seen)
            return lineError(lineNumber,
                             {CoreMessage::wording("%1 is given twice"), {counts ? "NumPoints" : "PointList"}});
        seen = true;
        auto values = valuesOf(line.substr((counts ? kNumPoints : kPointList).size()), lineNumber);
        if (!values) return values.error();
        (counts ? open->section.numPoints : open->pointValues) = std::move(*values);
    }
    if (open)
        if (Status closed = closeSection(*open, sections); !closed) return closed.error();
    if (sections.empty()) return Error{"", CoreMessage::wording("region.txt holds no section")};
    return sections;
}

}  // namespace pelterra
