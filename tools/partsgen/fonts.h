// The glyph fonts of the library: the number sheet (numbers.bmp, twelve 9 x 13 cells: digits
// 0-9, the blank cell and the minus cell) and the 5 x 6 text sheet (text.bmp). Number and
// text parts are white glyphs on black: the program uses the same file as the glyph mask when
// it colours the glyphs row by row, and as the picture when it does not.
#pragma once

#include <string_view>

#include "sprite.h"

namespace partsgen {

// numbers.bmp: cell k at (9k, 0), 9 x 13.
inline constexpr int kNumberCellWidth = 9;
inline constexpr int kNumberCellHeight = 13;
inline constexpr int kNumberCells = 12;  // 0-9, blank, minus

struct NumberFont {
    std::string_view name;
    void (*drawCell)(Sprite& sheet, int cell, int x);  // draws cell `cell` with its left edge at x
};
extern const NumberFont kNumberFonts[4];

Sprite drawNumberSheet(const NumberFont& font);

// text.bmp: 5 x 6 cells at (5 col, 6 row).
inline constexpr int kTextCellWidth = 5;
inline constexpr int kTextCellHeight = 6;

struct TextFont {
    std::string_view name;
    bool tall;  // letters stretched over all six rows instead of five
    bool soft;  // grey pixels smooth the inner corners of diagonal strokes
};
extern const TextFont kTextFonts[4];

Sprite drawTextSheet(const TextFont& font);

// Captions on parts, in the standard five-row text font. Letters are taken as capitals;
// characters the font lacks are left out.
int captionWidth(std::string_view text);
void drawCaption(Sprite& s, std::string_view text, int x, int y, Colour c);
void drawCaptionCentred(Sprite& s, std::string_view text, Rect r, Colour c, Point nudge = {});

// A caption painted over the user's picture: every pixel around its ink (the eight neighbours)
// takes the halo colour first, so the caption reads on dark, bright and busy pictures alike.
void drawOutlinedCaption(Sprite& s, std::string_view text, int x, int y, Colour ink, Colour halo);
void drawOutlinedCaptionCentred(Sprite& s, std::string_view text, Rect r, Colour ink, Colour halo);
// The halo a caption of that ink reads on: the preferred colour when it stands 4.5:1 off the ink,
// else that colour darkened (or lightened, around a dark ink) until it does.
Colour readableHalo(Colour ink, Colour preferred);

}  // namespace partsgen
