// Text in the text sheet's font (text.bmp: 5x6 glyph cells), as players write the song title,
// the bit rate and the sample rate, and, recoloured, the playlist entries.
#pragma once

#include <string_view>

#include "image/bitmap.h"

namespace pelterra::player {

inline constexpr int kGlyphWidth = 5, kGlyphHeight = 6;

// The cell of a character (UTF-8 code point) in text.bmp; letters in either case share one cell,
// characters the sheet lacks are the space.
Point GlyphCell(char32_t c);

// Copies the glyph cells of `text` to `at`, one every 5 pixels, cut off at `clip`.
void DrawGlyphs(Bitmap& target, const Bitmap& textSheet, Point at, std::string_view text, const Rect& clip);

// The same glyphs as one colour: a pixel of a cell that differs from the sheet's blank (the
// space cell) is set to `ink`, the others left as they are. `scale` repeats every pixel.
void DrawGlyphsInColour(Bitmap& target, const Bitmap& textSheet, Point at, std::string_view text, Colour ink,
                        const Rect& clip, int scale = 1);

// The width the glyphs of `text` take.
int GlyphTextWidth(std::string_view text, int scale = 1);

}  // namespace pelterra::player
