// How far two colours stand apart for a reader: relative luminance and the contrast ratio as the
// accessibility guidelines define them. The library's labels, the style sets and their tests all
// measure readability with these.
#pragma once

#include "image/colour.h"

namespace pelterra {

// The light a colour gives, 0 (black) to 1 (white), from its sRGB channels made linear.
double RelativeLuminance(Colour c);

// (L1 + 0.05) / (L2 + 0.05) of the two relative luminances, lighter over darker: 1 for equal
// colours, 21 for black and white.
double ContrastRatio(Colour a, Colour b);

}  // namespace pelterra
