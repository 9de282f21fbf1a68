// The visualisation colour table: the 24 swatches of the "Viscolor" page and viscolor.txt.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"

namespace pelterra {

// "補完": recomputes the swatches row(0..n-1) as the ramp from row(0) towards row(n-1).
void InterpolateSwatches(Document& doc, ControlName row, int n);

// The 24 lines of viscolor.txt (without line ends): back 0..1, spectrum 0..15, oscilloscope
// 0..4, peak; each "r,g, b " with the blue between two spaces.
std::vector<std::string> ViscolorLines(const Document& doc);

// One line of viscolor.txt for a colour.
std::string ViscolorLine(Colour colour);

}  // namespace pelterra
