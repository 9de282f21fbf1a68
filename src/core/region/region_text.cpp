#include "region/region_text.h"

#include <charconv>

#include "output/text_file.h"
#include "region/region_work_files.h"

namespace pelterra {

namespace fs = std::filesystem;

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

Result<RegionTextWritten> WriteRegionText(const Document& doc, const fs::path& programFolder) {
    RegionTextWritten written;
    std::vector<RegionSection> sections;

    auto main = ReadRegionWorkFiles(programFolder, kMainWorkFiles, doc.value(ctl::MainOutlineCount));
    if (!main) return main.error();
    sections.push_back({FirstRegionSectionName(doc), std::move(main->outlines)});
    written.missing += main->missing;

    if (doc.value(ctl::EqRegionFlag) == 1) {
        auto eq = ReadRegionWorkFiles(programFolder, kEqWorkFiles, doc.value(ctl::EqOutlineCount));
        if (!eq) return eq.error();
        sections.push_back({SecondRegionSectionName(doc), std::move(eq->outlines)});
        written.missing += eq->missing;
    }
    for (const RegionSection& s : sections) written.outlines += static_cast<int>(s.outlines.size());

    written.bytes = RegionTextBytes(sections);
    auto path = WorkFileForWriting(kRegionTextName);
    if (!path) return Error{path.error().path, "cannot write region.txt: " + path.error().message};
    if (Status s = WriteFileAtomically(*path, written.bytes); !s)
        return Error{s.error().path, "cannot write region.txt: " + s.error().message};
    written.path = *path;
    return written;
}

}  // namespace pelterra
