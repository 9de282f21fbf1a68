// Region tracing: the borders between key-coloured pixels and kept pixels of a region picture,
// walked into outline polygons. TraceRegionAreas scans both halves of the picture (RegionArea(0)
// for the main window, RegionArea(1) for the equalizer), runs TraceOutline from every start pixel
// it meets, paints the marks into the Cut-out results RegionSource(0/1) and writes the outlines
// into the document (the outlines region.txt and the preview shape are made from) and into the
// work files region1.txt..region4.txt.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "document/document.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// Painted into the Cut-out result: red on every pixel a trace step stands on, green on the
// neighbours a heading table names. A red pixel whose right neighbour is green is not started
// from again.
inline constexpr Colour kMarkRed = RGB(255, 0, 0);
inline constexpr Colour kMarkGreen = RGB(0, 255, 0);

// The scanned rows and columns of an area: the 275 x 116 half sits at (1, 1) inside a one-pixel
// frame of key colour, so rows 1..116 and columns 0..275 are examined.
inline constexpr int kRegionImageWidth = 275;
inline constexpr int kRegionImageHeight = 116;

// The direction of the last move of a trace; diagonal moves count as Up or Down.
enum class Heading : int { Down = 2, Left = 4, Right = 6, Up = 8 };

// Which pixels of an area picture are the key colour. Positions outside the picture differ from
// every colour, so they are never key.
class RegionKeyMap {
public:
    RegionKeyMap(const Bitmap& area, Colour key);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Any position within one pixel of the picture; the margin answers false. The tracer only
    // asks about pixels of the picture and their neighbours.
    bool isKey(int x, int y) const {
        return m_cells[static_cast<std::size_t>(y + 1) * m_stride + static_cast<std::size_t>(x + 1)] != 0;
    }

private:
    int m_width = 0;
    int m_height = 0;
    std::size_t m_stride = 0;
    std::vector<std::uint8_t> m_cells;  // (width + 2) x (height + 2), the margin never key
};

// How one outline ended.
struct OutlineEnd {
    int pointCount = 0;  // points appended, repetitions included: the outline's count
    bool cutOff = false; // the step cap was reached before the walk came back to its start
};

// The steps one outline may take: 4 x the area's pixel count. A walk is fixed by its pixel and
// heading, so one that has not come back to its start within that many steps never will.
std::int64_t OutlineStepCap(const RegionKeyMap& area);

// Walks the outline from the start pixel (x0, y0) (area positions of a key pixel), appending its
// points in image coordinates (area position minus one) to `points` and painting the marks into
// `cutOut`. Ends when the walk is back on the start pixel, or after `maxSteps` steps (cut off:
// the points so far form the outline). A start pixel without a key pixel among its four
// neighbours gives its unit square.
OutlineEnd TraceOutline(const RegionKeyMap& area, Bitmap& cutOut, int x0, int y0, std::vector<Point>& points,
                        std::int64_t maxSteps);

// The outlines of one area, in trace order.
struct AreaOutlines {
    std::vector<int> counts;    // point count of each outline
    std::vector<Point> points;  // the points of all outlines, outline after outline
    int cutOff = 0;             // outlines ended by the step cap
};

// Receives the progress texts of the label Areay: "7/116 終了" as row 7 begins, "7切り取り中"
// as an outline is started on row 7. The GUI lets pending events run here.
using RegionProgress = std::function<void(const std::string&)>;

// Scans one area for start pixels (rows 1..116, columns 0..275, left to right) and traces each.
// A start pixel is key, its right neighbour is not, and the Cut-out result does not show it red
// with its right neighbour green. maxSteps 0 means OutlineStepCap.
AreaOutlines TraceRegionArea(const Bitmap& area, Bitmap& cutOut, Colour key, const RegionProgress& progress,
                             std::int64_t maxSteps = 0);

// The area's outlines one by one: its points cut by its counts.
std::vector<Outline> SplitOutlines(const AreaOutlines& area);

// How a trace treats its work files. The window stops at one it cannot write. For the command
// line they are only a courtesy (nothing reads them back, and its output goes where -o says), so
// there a per-user folder that cannot be written costs a warning, not the trace.
enum class WorkFileNeed { Required, Optional };

// What a trace of both areas found.
struct RegionTrace {
    int mainOutlines = 0;  // the Main outline count
    int eqOutlines = 0;    // the EQ outline count (0 when the picture has no equalizer half)
    int cutOff = 0;        // outlines of either area ended by the step cap
    // With WorkFileNeed::Optional: why the work files were not written, from the first one that
    // could not be (no more are tried after it, as they would fail the same way).
    std::optional<Error> workFilesSkipped;
};

// TraceRegionAreas: sets both outline counts to 0, traces RegionArea(0) into region1.txt and
// region2.txt, then, when the EQ region flag is 1, RegionArea(1) into region3.txt and
// region4.txt (else those two are left as they are), each pair in the per-user work folder.
// The outlines of both areas go into the document (Document::regionOutlines), which is what
// region.txt and the preview shape are made from. The progress texts go to the label Areay and
// to `progress`. The areas must carry the key colour frame (MakeRegion draws it). A work file
// that cannot be written is an error naming it; the outline counts then stay 0 for that area
// and the ones after it, and the document holds no traced outlines. When the work files are
// optional, it is kept in RegionTrace::workFilesSkipped instead and the trace goes on.
Result<RegionTrace> TraceRegionAreas(Document& doc, Colour key, const RegionProgress& progress = {},
                                     WorkFileNeed workFiles = WorkFileNeed::Required);

}  // namespace pelterra
