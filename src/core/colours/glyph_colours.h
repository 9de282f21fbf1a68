// Row colours of the number and text glyphs: a column of swatches gives one colour per pixel row
// of a glyph, "補完" fills the swatches between the first and the last as a ramp, and
// "色をつける" paints the glyph shapes of the part's Mask with those row colours into its Data.
#pragma once

#include "document/document.h"

namespace pelterra {

inline constexpr int kNumberSwatches = 15;  // NumberColor(0..14)
inline constexpr int kTextSwatches = 6;     // PicText(0..5)

// "補完" BtnNumberColor: NumberColor(1..14) become the ramp from swatch 0 towards swatch 14.
void InterpolateNumberColours(Document& doc);
// "補完" BtnText: PicText(1..5) become the ramp from swatch 0 towards swatch 5.
void InterpolateTextColours(Document& doc);

// "色をつける" Command3: rows 0..13 of PreNumberMask take NumberColor(0..13) (swatch 14 only ends
// the ramp), then picData(7) becomes that row picture AND picMask(7).
void ColourNumberGlyphs(Document& doc);

// "色をつける" Command2: the three 6-row glyph bands of PreTextMask each take PicText(0..5) in
// columns 0..153, then picData(8) becomes that picture AND picMask(8). Column 154 is not painted:
// there the result is the picture's earlier pixel AND the Mask.
void ColourTextGlyphs(Document& doc);

}  // namespace pelterra
