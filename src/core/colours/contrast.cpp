#include "colours/contrast.h"

#include <algorithm>
#include <cmath>

namespace pelterra {

namespace {

// One channel of 0..255 as linear light.
double linearChannel(int channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Colour c) {
    return 0.2126 * linearChannel(GetRed(c)) + 0.7152 * linearChannel(GetGreen(c)) +
           0.0722 * linearChannel(GetBlue(c));
}

double ContrastRatio(Colour a, Colour b) {
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace pelterra
