// Colour ramps: whole-number steps rounded half to even, channels clamped to 0..255. The "補完"
// buttons of the visualisation colours and the glyph colours use the same ramp.
#pragma once

#include <vector>

#include "image/colour.h"

namespace pelterra {

// Nearest whole number, halves to the even one (62.5 -> 62, 63.5 -> 64).
int roundHalfEven(double value);

// n colours from `first` towards `last`: step = roundHalfEven((last - first) / (n - 1)) per
// channel, colour i = first + i * step, clamped. The last colour can differ from `last`.
std::vector<Colour> ColourRamp(Colour first, Colour last, int n);

}  // namespace pelterra
