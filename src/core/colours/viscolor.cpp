#include "colours/viscolor.h"

#include "colours/ramp.h"

namespace pelterra {

void InterpolateSwatches(Document& doc, ControlName row, int n) {
    const auto ramp = ColourRamp(doc.swatch(row, 0), doc.swatch(row, n - 1), n);
    for (int i = 0; i < n; ++i) doc.setSwatch(row, i, ramp[i]);
}

std::string ViscolorLine(Colour c) {
    return std::to_string(GetRed(c)) + "," + std::to_string(GetGreen(c)) + ", " + std::to_string(GetBlue(c)) + " ";
}

namespace {

struct SwatchRow {
    ControlName name;
    int count;  // 0: a single swatch
};

// The order of the 24 lines.
constexpr SwatchRow kViscolorRows[] = {
    {ctl::ViscolorBack, 2},
    {ctl::ViscolorSpec, 16},
    {ctl::ViscolorOsc, 5},
    {ctl::ViscolorPeak, 0},
};

}  // namespace

std::vector<std::string> ViscolorLines(const Document& doc) {
    std::vector<std::string> lines;
    for (const SwatchRow& row : kViscolorRows) {
        if (row.count == 0) lines.push_back(ViscolorLine(doc.swatch(row.name)));
        for (int i = 0; i < row.count; ++i) lines.push_back(ViscolorLine(doc.swatch(row.name, i)));
    }
    return lines;
}

}  // namespace pelterra
