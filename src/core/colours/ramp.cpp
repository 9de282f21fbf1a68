#include "colours/ramp.h"

#include <cmath>

namespace pelterra {

int roundHalfEven(double value) {
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5) return static_cast<int>(down) + 1;
    if (fraction < 0.5) return static_cast<int>(down);
    const int d = static_cast<int>(down);
    return d % 2 == 0 ? d : d + 1;
}

std::vector<Colour> ColourRamp(Colour first, Colour last, int n) {
    std::vector<Colour> ramp;
    if (n <= 0) return ramp;
    if (n == 1) return {first};
    auto step = [n](int a, int b) { return roundHalfEven(static_cast<double>(b - a) / (n - 1)); };
    const int dr = step(GetRed(first), GetRed(last));
    const int dg = step(GetGreen(first), GetGreen(last));
    const int db = step(GetBlue(first), GetBlue(last));
    for (int i = 0; i < n; ++i)
        ramp.push_back(RGB(clampChannel(GetRed(first) + i * dr), clampChannel(GetGreen(first) + i * dg),
                           clampChannel(GetBlue(first) + i * db)));
    return ramp;
}

}  // namespace pelterra
