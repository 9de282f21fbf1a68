#include "image/recolor.h"

#include <array>

#include "image/drawing.h"

namespace pelterra {

namespace {

// One lookup table per channel: the shift and the clamp for each of the 256 input values.
std::array<std::uint8_t, 256> shiftTable(int offset) {
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v) table[v] = static_cast<std::uint8_t>(clampChannel(v + offset));
    return table;
}

}  // namespace

void RecolorImage(Bitmap& target, const Bitmap& source, int dr, int dg, int db) {
    const auto r = shiftTable(dr), g = shiftTable(dg), b = shiftTable(db);
    for (int y = 0; y < target.height(); ++y) {
        Colour* t = target.row(y);
        for (int x = 0; x < target.width(); ++x) {
            // A source smaller than the target reads as white beyond its edge, like GetPixel.
            const Colour c = source.contains(x, y) ? source.at(x, y) : kOutsideColour;
            t[x] = RGB(r[GetRed(c)], g[GetGreen(c)], b[GetBlue(c)]);
        }
    }
}

}  // namespace pelterra
