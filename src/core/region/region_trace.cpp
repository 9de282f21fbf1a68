#include "region/region_trace.h"

#include <algorithm>
#include <iterator>

#include "image/drawing.h"
#include "region/region_work_files.h"

namespace pelterra {

namespace {

// The eight neighbours of the current pixel, one bit each, so that a table row's tests are two
// masks: the neighbours that must be key and those that must not.
enum Neighbour : std::uint8_t {
    kR = 1 << 0,   // (x+1, y)
    kL = 1 << 1,   // (x-1, y)
    kD = 1 << 2,   // (x, y+1)
    kU = 1 << 3,   // (x, y-1)
    kUR = 1 << 4,  // (x+1, y-1)
    kUL = 1 << 5,  // (x-1, y-1)
    kDR = 1 << 6,  // (x+1, y+1)
    kDL = 1 << 7,  // (x-1, y+1)
};

struct Offset {
    int dx = 0, dy = 0;
};

// Bit i of a neighbour mask is the neighbour at kOffsets[i].
constexpr Offset kOffsets[8] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}};

constexpr Offset offsetOf(std::uint8_t single) {
    for (int i = 0; i < 8; ++i)
        if (single == (1u << i)) return kOffsets[i];
    return {0, 0};  // 0: stay
}

constexpr int kKeepHeading = 0;
constexpr std::uint8_t kStay = 0;

// Points a row writes, relative to the current pixel (x, y): (x + dx, y + dy).
struct RowPoints {
    int count = 0;
    Offset at[3] = {};
};

// One row of a heading table: the first row whose tests all hold is taken.
struct HeadingRow {
    std::uint8_t mustBeKey;
    std::uint8_t mustNotBeKey;
    std::uint8_t markGreen;
    RowPoints points;
    std::uint8_t moveTo;  // one neighbour bit, or kStay
    int newHeading;       // a Heading value, or kKeepHeading
};

constexpr int D = static_cast<int>(Heading::Down);
constexpr int Lh = static_cast<int>(Heading::Left);
constexpr int Rh = static_cast<int>(Heading::Right);
constexpr int U = static_cast<int>(Heading::Up);

// The corner points the rows name, as offsets from the current pixel's position.
constexpr Offset p11{-1, -1};  // (x-1, y-1)
constexpr Offset p01{0, -1};   // (x, y-1)
constexpr Offset p10{-1, 0};   // (x-1, y)
constexpr Offset p12{-1, -2};  // (x-1, y-2)

constexpr HeadingRow kHeadingDown[] = {
    {kR | kUR, 0, kR | kL | kD | kU, {1, {p11}}, kUR, U},
    {kR, kUR, 0, {1, {p11}}, kR, Rh},
    {kD | kDR, kR, kR, {1, {p01}}, kDR, D},
    {kD, kR | kDR, kR, {1, {p01}}, kD, D},
    {kL | kDL, kR | kD, kR | kD, {1, {p01}}, kDL, D},
    {kL, kR | kD | kDL, kR | kD, {2, {p01, p10}}, kL, Lh},
    {kU | kUL, kR | kD | kL, kR | kD | kL, {3, {p01, p10, p11}}, kUL, U},
    {kU, kR | kD | kL | kUL, kR | kD | kL, {3, {p01, p10, p11}}, kU, U},
    {0, kR | kD | kL | kU, 0, {0, {}}, kStay, kKeepHeading},
};
static_assert(std::size(kHeadingDown) == 9);

constexpr HeadingRow kHeadingLeft[] = {
    {kD | kDR, 0, 0, {1, {p11}}, kDR, D},
    {kD, kDR, 0, {1, {p11}}, kD, D},
    {kL | kDL, kD, kD, {1, {p11}}, kDL, D},
    {kL, kD | kDL, kD, {1, {p10}}, kL, Lh},
    {kU | kUL, kD | kL, kD | kL, {1, {p11}}, kUL, U},
    {kU, kD | kL | kUL, kD | kL, {1, {p11}}, kU, U},
    {kR | kUR, kD | kL | kU, kD | kU | kL, {1, {p11}}, kUR, U},
    {kR, kD | kL | kU | kUR, kD | kL | kU, {1, {p11}}, kR, Rh},
    {0, kD | kL | kU | kR, 0, {0, {}}, kStay, kKeepHeading},
};
static_assert(std::size(kHeadingLeft) == 9);

constexpr HeadingRow kHeadingRight[] = {
    {kU | kUL, 0, 0, {1, {p11}}, kUL, U},
    {kU, kUL, 0, {1, {p11}}, kU, U},
    {kR | kUR, kU, 0, {1, {p11}}, kUR, U},
    {kR, kU | kUR, kU, {1, {p11}}, kR, Rh},
    {kD | kDR, kU | kR, kU | kR, {3, {p12, p11, p01}}, kDR, D},
    {kD, kU | kR | kDR, kU | kR, {2, {p11, p01}}, kD, D},
    {kL | kDL, kU | kR | kD, kU | kR | kD, {2, {p01, p10}}, kDL, D},
    {kL, kU | kR | kD | kDL, kU | kR | kD, {1, {p11}}, kL, Lh},
    {0, kU | kR | kD | kL, 0, {0, {}}, kStay, kKeepHeading},
};
static_assert(std::size(kHeadingRight) == 9);

constexpr HeadingRow kHeadingUp[] = {
    {kL | kDL, 0, 0, {1, {p11}}, kDL, D},
    {kL, kDL, 0, {1, {p10}}, kL, Lh},
    {kU | kUL, kL, kL, {1, {p11}}, kUL, U},
    {kU, kL | kUL, kL, {2, {p11, p12}}, kU, U},
    {kR | kUR, kL | kU, kL | kU, {1, {p11}}, kUR, U},
    {kR, kL | kU | kUR, kU | kL, {1, {p11}}, kR, Rh},
    {kD | kDR, kL | kU | kR, kR | kL | kU, {3, {p11, p12, p01}}, kDR, D},
    {kD, kL | kU | kR | kDR, kR | kL | kU, {3, {p11, p12, p01}}, kD, D},
    {0, kL | kU | kR | kD, 0, {0, {}}, kStay, kKeepHeading},
};
static_assert(std::size(kHeadingUp) == 9);

const HeadingRow* tableOf(int heading) {
    switch (heading) {
        case D: return kHeadingDown;
        case Lh: return kHeadingLeft;
        case Rh: return kHeadingRight;
        default: return kHeadingUp;
    }
}

// The key bits of the eight neighbours of (x, y).
std::uint8_t keyNeighbours(const RegionKeyMap& area, int x, int y) {
    std::uint8_t bits = 0;
    for (int i = 0; i < 8; ++i)
        if (area.isKey(x + kOffsets[i].dx, y + kOffsets[i].dy)) bits |= static_cast<std::uint8_t>(1u << i);
    return bits;
}

const HeadingRow& rowFor(int heading, std::uint8_t keys) {
    const HeadingRow* table = tableOf(heading);
    for (int i = 0; i < 9; ++i) {
        const HeadingRow& row = table[i];
        if ((keys & row.mustBeKey) == row.mustBeKey && (keys & row.mustNotBeKey) == 0) return row;
    }
    return table[8];  // unreachable: the last row holds whenever no other does
}

void paintGreen(Bitmap& cutOut, int x, int y, std::uint8_t marks) {
    for (int i = 0; i < 8; ++i)
        if (marks & (1u << i)) SetPixel(cutOut, x + kOffsets[i].dx, y + kOffsets[i].dy, kMarkGreen);
}

std::string rowText(int row) { return std::to_string(row) + "/116 終了"; }
std::string tracingText(int row) { return std::to_string(row) + "切り取り中"; }

bool isMark(const Bitmap& cutOut, int x, int y, Colour mark) { return GetPixel(cutOut, x, y) == mark; }

}  // namespace

RegionKeyMap::RegionKeyMap(const Bitmap& area, Colour key)
    : m_width(area.width()),
      m_height(area.height()),
      m_stride(static_cast<std::size_t>(area.width()) + 2),
      m_cells(m_stride * (static_cast<std::size_t>(area.height()) + 2), 0) {
    const Colour wanted = key & 0xFFFFFFu;
    for (int y = 0; y < m_height; ++y) {
        const Colour* in = area.row(y);
        std::uint8_t* out = m_cells.data() + static_cast<std::size_t>(y + 1) * m_stride + 1;
        for (int x = 0; x < m_width; ++x) out[x] = (in[x] & 0xFFFFFFu) == wanted ? 1 : 0;
    }
}

std::int64_t OutlineStepCap(const RegionKeyMap& area) {
    return 4 * static_cast<std::int64_t>(area.width()) * area.height();
}

OutlineEnd TraceOutline(const RegionKeyMap& area, Bitmap& cutOut, int x0, int y0, std::vector<Point>& points,
                        std::int64_t maxSteps) {
    int x = x0, y = y0;
    int heading = D;
    int n = 0;
    std::int64_t steps = 0;
    bool cutOff = false;
    for (;;) {
        points.push_back({x - 1, y - 1});
        ++n;
        SetPixel(cutOut, x, y, kMarkRed);
        const HeadingRow& row = rowFor(heading, keyNeighbours(area, x, y));
        paintGreen(cutOut, x, y, row.markGreen);
        if (row.moveTo != kStay) {
            // A move writes the pixel's own corner point once more before the row's points:
            // every step that leaves a pixel gives (x-1, y-1) twice.
            points.push_back({x - 1, y - 1});
            ++n;
        }
        for (int i = 0; i < row.points.count; ++i) points.push_back({x + row.points.at[i].dx, y + row.points.at[i].dy});
        n += row.points.count;
        const Offset move = offsetOf(row.moveTo);
        x += move.dx;
        y += move.dy;
        if (row.newHeading != kKeepHeading) heading = row.newHeading;
        if (x == x0 && y == y0) break;
        if (++steps >= maxSteps) {
            cutOff = true;
            break;
        }
    }
    if (n == 1) {
        // The start pixel had no key pixel beside it: its unit square.
        points.push_back({x, y - 1});
        points.push_back({x, y});
        points.push_back({x - 1, y});
        n = 4;
    }
    return {n, cutOff};
}

AreaOutlines TraceRegionArea(const Bitmap& area, Bitmap& cutOut, Colour key, const RegionProgress& progress,
                             std::int64_t maxSteps) {
    const RegionKeyMap keys(area, key);
    if (maxSteps <= 0) maxSteps = OutlineStepCap(keys);
    AreaOutlines result;
    // Positions beyond a small picture are never key, so the scan can stop at its edge.
    const int lastRow = std::min(kRegionImageHeight, area.height() - 1);
    const int lastColumn = std::min(kRegionImageWidth, area.width() - 1);
    for (int y = 1; y <= kRegionImageHeight; ++y) {
        if (progress) progress(rowText(y));
        if (y > lastRow) continue;
        for (int x = 0; x <= lastColumn; ++x) {
            if (!keys.isKey(x, y) || keys.isKey(x + 1, y)) continue;
            if (isMark(cutOut, x + 1, y, kMarkGreen) && isMark(cutOut, x, y, kMarkRed)) continue;
            if (progress) progress(tracingText(y));
            const OutlineEnd end = TraceOutline(keys, cutOut, x, y, result.points, maxSteps);
            result.counts.push_back(end.pointCount);
            if (end.cutOff) ++result.cutOff;
        }
    }
    return result;
}

std::vector<Outline> SplitOutlines(const AreaOutlines& area) {
    std::vector<Outline> outlines;
    outlines.reserve(area.counts.size());
    auto next = area.points.begin();
    for (int n : area.counts) {
        const auto take = std::min<std::ptrdiff_t>(n, area.points.end() - next);
        outlines.emplace_back(next, next + take);
        next += take;
    }
    return outlines;
}

namespace {

// Hides the Cut-out results for the time of a trace and shows them again however it ends.
class CutOutHidden {
public:
    explicit CutOutHidden(Document& doc) : m_doc(doc) { setShown(false); }
    ~CutOutHidden() { setShown(true); }
    CutOutHidden(const CutOutHidden&) = delete;
    CutOutHidden& operator=(const CutOutHidden&) = delete;

private:
    void setShown(bool shown) {
        m_doc.setVisible(ctl::RegionSource, 0, shown);
        m_doc.setVisible(ctl::RegionSource, 1, shown);
    }
    Document& m_doc;
};

// Writes the pair of work files of an area. Optional work files are skipped once one could not
// be written, and the failure is kept in `skipped` instead of ending the trace.
Status writeWorkFiles(int item, const AreaOutlines& outlines, WorkFileNeed need, std::optional<Error>& skipped) {
    if (skipped) return ok();
    Status written = WriteRegionWorkFiles(item == 0 ? kMainWorkFiles : kEqWorkFiles, outlines);
    if (written || need == WorkFileNeed::Required) return written;
    skipped = written.error();
    return ok();
}

// Traces one area of the document, shows the marks, and writes the pair of work files.
Result<AreaOutlines> traceArea(Document& doc, int item, Colour key, const RegionProgress& progress,
                               WorkFileNeed workFiles, std::optional<Error>& skipped) {
    const RegionProgress report = [&](const std::string& text) {
        doc.setText(ctl::Areay, text);
        if (progress) progress(text);
    };
    AreaOutlines outlines =
        TraceRegionArea(doc.slot(pic::RegionArea, item), doc.slot(pic::RegionSource, item), key, report);
    doc.slotChanged(pic::RegionSource, item);
    if (Status written = writeWorkFiles(item, outlines, workFiles, skipped); !written) return written.error();
    return outlines;
}

}  // namespace

Result<RegionTrace> TraceRegionAreas(Document& doc, Colour key, const RegionProgress& progress,
                                     WorkFileNeed workFiles) {
    doc.setValue(ctl::MainOutlineCount, 0);
    doc.setValue(ctl::EqOutlineCount, 0);
    doc.setRegionOutlines({});  // no outlines to save until this trace has ended well
    const CutOutHidden hidden(doc);
    RegionTrace trace;
    RegionOutlines held{.traced = true, .main = {}, .equalizer = {}};

    auto main = traceArea(doc, 0, key, progress, workFiles, trace.workFilesSkipped);
    if (!main) return main.error();
    trace.mainOutlines = static_cast<int>(main->counts.size());
    trace.cutOff += main->cutOff;
    held.main = SplitOutlines(*main);
    doc.setValue(ctl::MainOutlineCount, trace.mainOutlines);

    if (doc.value(ctl::EqRegionFlag) == 1) {
        auto eq = traceArea(doc, 1, key, progress, workFiles, trace.workFilesSkipped);
        if (!eq) return eq.error();
        trace.eqOutlines = static_cast<int>(eq->counts.size());
        trace.cutOff += eq->cutOff;
        held.equalizer = SplitOutlines(*eq);
        doc.setValue(ctl::EqOutlineCount, trace.eqOutlines);
    }
    doc.setRegionOutlines(std::move(held));
    return trace;
}

}  // namespace pelterra
