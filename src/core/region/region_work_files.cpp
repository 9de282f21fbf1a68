#include "region/region_work_files.h"

#include <charconv>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "fs/program_path.h"
#include "fs/work_folder.h"
#include "output/text_file.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

void appendValue(std::string& out, int value) {
    char buffer[16];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
    out.push_back(',');
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

Status writeWorkFile(std::string_view name, const std::string& text) {
    auto path = WorkFileForWriting(name);
    if (!path)
        return Error{path.error().path, "cannot write the region work file: " + path.error().message};
    if (Status written = WriteFileAtomically(*path, text); !written)
        return Error{written.error().path, "cannot write the region work file: " + written.error().message};
    return ok();
}

Result<std::string> readWorkFile(const fs::path& programFolder, std::string_view name) {
    auto path = WorkFileForReading(programFolder, name);
    if (!path)
        return Error{path.error().path, "the region work file is missing: trace the region picture again"};
    std::ifstream in(*path, std::ios::binary);
    if (!in) return Error{path->string(), "cannot read the region work file"};
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) return Error{path->string(), "reading the region work file failed"};
    return text.str();
}

}  // namespace

Result<fs::path> WorkFileForWriting(std::string_view name) {
    auto folder = WorkFolder();
    if (!folder) return folder.error();
    return resolveProgramPathForWriting(*folder, name);
}

std::string WorkCountsText(std::span<const int> counts) {
    std::string text;
    text.reserve(counts.size() * 4);
    for (int n : counts) appendValue(text, n);
    return text;
}

std::string WorkPointsText(std::span<const Point> points) {
    std::string text;
    text.reserve(points.size() * 8);
    for (const Point& p : points) {
        appendValue(text, p.x);
        appendValue(text, p.y);
    }
    return text;
}

Status WriteRegionWorkFiles(const RegionWorkFiles& files, const AreaOutlines& outlines) {
    if (Status s = writeWorkFile(files.counts, WorkCountsText(outlines.counts)); !s) return s;
    return writeWorkFile(files.points, WorkPointsText(outlines.points));
}

bool WorkValueReader::next(int& value) {
    while (m_at < m_text.size() && isBlank(m_text[m_at])) ++m_at;
    const char* first = m_text.data() + m_at;
    const char* last = m_text.data() + m_text.size();
    if (first != last && *first == '+') ++first;  // a plus sign is allowed, as Input# reads it
    long long read = 0;
    const auto [end, ec] = std::from_chars(first, last, read);
    if (ec != std::errc() || read < std::numeric_limits<int>::min() || read > std::numeric_limits<int>::max()) {
        m_at = m_text.size();  // not a value: nothing further is read
        return false;
    }
    m_at = static_cast<std::size_t>(end - m_text.data());
    while (m_at < m_text.size() && isBlank(m_text[m_at])) ++m_at;
    if (m_at < m_text.size() && m_text[m_at] == ',') ++m_at;
    value = static_cast<int>(read);
    return true;
}

Result<WorkOutlines> ReadRegionWorkFiles(const fs::path& programFolder, const RegionWorkFiles& files,
                                         int outlineCount) {
    WorkOutlines result;
    if (outlineCount <= 0) return result;
    auto countText = readWorkFile(programFolder, files.counts);
    if (!countText) return countText.error();
    auto pointText = readWorkFile(programFolder, files.points);
    if (!pointText) return pointText.error();

    WorkValueReader counts(*countText);
    WorkValueReader points(*pointText);
    for (int k = 0; k < outlineCount; ++k) {
        int n = 0;
        // A negative count cannot come from a trace: the file is not a count file past here.
        if (!counts.next(n) || n < 0) {
            result.missing = outlineCount - k;
            break;
        }
        std::vector<Point> outline;
        bool whole = true;
        for (int i = 0; i < n; ++i) {
            Point p;
            if (!points.next(p.x) || !points.next(p.y)) {
                whole = false;
                break;
            }
            outline.push_back(p);
        }
        if (!whole) {
            result.missing = outlineCount - k;
            break;
        }
        result.outlines.push_back(std::move(outline));
    }
    return result;
}

}  // namespace pelterra
