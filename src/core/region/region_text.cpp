#include "region/region_text.h"

#include <algorithm>
#include <charconv>

#include "output/text_file.h"
#include "region/region_work_files.h"

namespace pelterra {

namespace {

constexpr std::string_view kNormal = "Normal";
constexpr std::string_view kEqualizer = "Equalizer";
constexpr std::string_view kLineEnd = "\r\n";

void appendValue(std::string& out, long long value) {
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
    out.push_back(',');
}

void appendSection(std::string& out, const RegionSection& section) {
    out += '[';
    out += section.name;
    out += ']';
    out += kLineEnd;
    out += "NumPoints=";
    for (const auto& outline : section.outlines) appendValue(out, static_cast<long long>(outline.size()));
    out += kLineEnd;
    out += "PointList=";
    for (const auto& outline : section.outlines)
        for (const Point& p : outline) {
            appendValue(out, p.x);
            appendValue(out, p.y);
        }
}

bool eqBelow(const Document& doc) { return doc.isChecked(ctl::EqUporDown); }

}  // namespace

std::string RegionTextBytes(std::span<const RegionSection> sections) {
    std::string out;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (i > 0) {
            out += kLineEnd;
            out += kLineEnd;
        }
        appendSection(out, sections[i]);
    }
    return out;
}

std::string_view FirstRegionSectionName(const Document& doc) {
    return doc.value(ctl::EqRegionFlag) == 0 || eqBelow(doc) ? kNormal : kEqualizer;
}

std::string_view SecondRegionSectionName(const Document& doc) { return eqBelow(doc) ? kEqualizer : kNormal; }

Result<std::span<const Outline>> TracedOutlines(const Document& doc, int area) {
    const RegionOutlines& held = doc.regionOutlines();
    if (!held.traced)
        return Error{"", CoreMessage::wording(
                             "no region picture has been traced, so there is no outline for region.txt: trace a "
                             "region picture first, or uncheck \"Region.txtを出力する\" (RegionCheck)")};
    const bool main = area == 0;
    const std::vector<Outline>& outlines = main ? held.main : held.equalizer;
    const ControlName countName = main ? ctl::MainOutlineCount : ctl::EqOutlineCount;
    const int wanted = doc.value(countName);
    if (wanted > static_cast<int>(outlines.size()))
        return Error{
            "",
            CoreMessage::wording("%1 is %2, but the last region trace found %3 outline(s) of the %4: trace the region "
                                 "picture again, or set the count to at most %3"),
            {std::string(countName.written()), wanted, outlines.size(),
             main ? Words(CoreMessage::wording("main window")) : Words(CoreMessage::wording("equalizer"))}};
    return std::span<const Outline>(outlines.data(), static_cast<std::size_t>(std::max(wanted, 0)));
}

namespace {

struct RegionTextMade {
    std::string bytes;
    int outlines = 0;
};

Result<RegionTextMade> makeRegionText(const Document& doc) {
    std::vector<RegionSection> sections;
    auto main = TracedOutlines(doc, 0);
    if (!main) return main.error();
    sections.push_back({FirstRegionSectionName(doc), *main});
    if (doc.value(ctl::EqRegionFlag) == 1) {
        auto eq = TracedOutlines(doc, 1);
        if (!eq) return eq.error();
        sections.push_back({SecondRegionSectionName(doc), *eq});
    }
    RegionTextMade made;
    for (const RegionSection& s : sections) made.outlines += static_cast<int>(s.outlines.size());
    made.bytes = RegionTextBytes(sections);
    return made;
}

}  // namespace

Result<std::string> RegionTextOf(const Document& doc) {
    auto made = makeRegionText(doc);
    if (!made) return made.error();
    return std::move(made->bytes);
}

Result<RegionTextWritten> WriteRegionText(const Document& doc, const std::optional<Error>& workFilesSkipped) {
    auto made = makeRegionText(doc);
    if (!made) return made.error();
    RegionTextWritten written;
    written.outlines = made->outlines;
    written.bytes = std::move(made->bytes);
    if (workFilesSkipped) {
        written.workCopySkipped = workFilesSkipped;
        return written;
    }
    auto path = WorkFileForWriting(kRegionTextName);
    Status copied = path ? WriteFileAtomically(*path, written.bytes) : Status(path.error());
    if (copied)
        written.path = *path;
    else
        written.workCopySkipped =
            Error{copied.error().path, CoreMessage::wording("cannot write region.txt: %1"), {copied.error().words}};
    return written;
}

}  // namespace pelterra
