// The four digit fonts of the number parts.
#include <string>

#include "fonts.h"
#include "image/colour.h"

namespace partsgen {

using pelterra::kWhite;

namespace {

// Seven-segment digits: every pixel of the 7 x 11 template names the segment it belongs to.
inline constexpr std::string_view kSegmentTemplate[] = {
    ".aaaaa.",
    "f.aaa.b",
    "ff...bb",
    "ff...bb",
    "ff...bb",
    ".ggggg.",
    "ee...cc",
    "ee...cc",
    "ee...cc",
    "e.ddd.c",
    ".ddddd.",
};
// The segments lit in each cell: 0-9, blank, minus.
inline constexpr std::string_view kSegmentsLit[kNumberCells] = {
    "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg", "", "g",
};

void drawSegmentCell(Sprite& sheet, int cell, int x) {
    for (int j = 0; j < static_cast<int>(std::size(kSegmentTemplate)); ++j) {
        for (int i = 0; i < static_cast<int>(kSegmentTemplate[j].size()); ++i) {
            const char segment = kSegmentTemplate[j][i];
            if (segment != '.' && kSegmentsLit[cell].find(segment) != std::string_view::npos)
                paintPixel(sheet, x + 1 + i, 1 + j, kWhite);
        }
    }
}

// Pixel digits: one-pixel strokes, 5 x 9.
inline constexpr std::string_view kPixelDigits[kNumberCells][9] = {
    {".###.", "#...#", "#..##", "#.#.#", "#.#.#", "#.#.#", "##..#", "#...#", ".###."},
    {"..#..", ".##..", "#.#..", "..#..", "..#..", "..#..", "..#..", "..#..", "#####"},
    {".###.", "#...#", "....#", "....#", "...#.", "..#..", ".#...", "#....", "#####"},
    {".###.", "#...#", "....#", "....#", "..##.", "....#", "....#", "#...#", ".###."},
    {"...#.", "..##.", ".#.#.", "#..#.", "#..#.", "#####", "...#.", "...#.", "...#."},
    {"#####", "#....", "#....", "####.", "....#", "....#", "....#", "#...#", ".###."},
    {".###.", "#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#", ".###."},
    {"#####", "....#", "....#", "...#.", "...#.", "..#..", "..#..", "..#..", "..#.."},
    {".###.", "#...#", "#...#", "#...#", ".###.", "#...#", "#...#", "#...#", ".###."},
    {".###.", "#...#", "#...#", "#...#", ".####", "....#", "....#", "....#", ".###."},
    {".....", ".....", ".....", ".....", ".....", ".....", ".....", ".....", "....."},
    {".....", ".....", ".....", ".....", "#####", ".....", ".....", ".....", "....."},
};

void drawPixelCell(Sprite& sheet, int cell, int x) { drawGlyph(sheet, kPixelDigits[cell], x + 2, 2, kWhite); }

// Rounded digits: two-pixel strokes whose corners are softened with half-ink pixels.
inline constexpr std::string_view kRoundedDigits[kNumberCells][11] = {
    {"+#####+", "##+.+##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##", "##...##",
     "##+.+##", "+#####+"},
    {"..+##..", ".+###..", "+#+##..", "...##..", "...##..", "...##..", "...##..", "...##..", "...##..",
     "...##..", "+#####+"},
    {"+#####+", "##+.+##", ".....##", ".....##", "....+##", "..+##+.", ".+##+..", "+##+...", "##+....",
     "##.....", "#######"},
    {"+#####+", "##+.+##", ".....##", ".....##", "....+#+", "..####.", "....+#+", ".....##", ".....##",
     "##+.+##", "+#####+"},
    {"....+##", "...+###", "..+#+##", ".+#+.##", "+#+..##", "##...##", "#######", "#######", ".....##",
     ".....##", ".....##"},
    {"#######", "##.....", "##.....", "##.....", "######+", "....+##", ".....##", ".....##", ".....##",
     "##+.+##", "+#####+"},
    {"+#####+", "##+.+##", "##.....", "##.....", "######+", "##+.+##", "##...##", "##...##", "##...##",
     "##+.+##", "+#####+"},
    {"#######", ".....##", "....+##", "....##+", "...+##.", "...##+.", "..+##..", "..##+..", "..##...",
     "..##...", "..##..."},
    {"+#####+", "##+.+##", "##...##", "##+.+##", "+#####+", "##+.+##", "##...##", "##...##", "##...##",
     "##+.+##", "+#####+"},
    {"+#####+", "##+.+##", "##...##", "##...##", "##...##", "##+.+##", "+######", ".....##", ".....##",
     "##+.+##", "+#####+"},
    {".......", ".......", ".......", ".......", ".......", ".......", ".......", ".......", ".......",
     ".......", "......."},
    {".......", ".......", ".......", ".......", ".......", "+#####+", "+#####+", ".......", ".......",
     ".......", "......."},
};

void drawRoundedCell(Sprite& sheet, int cell, int x) { drawGlyph(sheet, kRoundedDigits[cell], x + 1, 1, kWhite); }

// Dot-matrix digits: a 4 x 7 pattern of single-pixel dots on a two-pixel pitch.
inline constexpr std::string_view kDotDigits[kNumberCells][7] = {
    {".##.", "#..#", "#.##", "#..#", "##.#", "#..#", ".##."},
    {".#..", "##..", ".#..", ".#..", ".#..", ".#..", "###."},
    {".##.", "#..#", "...#", "..#.", ".#..", "#...", "####"},
    {"###.", "...#", "...#", ".##.", "...#", "...#", "###."},
    {"#..#", "#..#", "#..#", "####", "...#", "...#", "...#"},
    {"####", "#...", "###.", "...#", "...#", "#..#", ".##."},
    {".##.", "#...", "#...", "###.", "#..#", "#..#", ".##."},
    {"####", "...#", "..#.", "..#.", ".#..", ".#..", ".#.."},
    {".##.", "#..#", "#..#", ".##.", "#..#", "#..#", ".##."},
    {".##.", "#..#", "#..#", ".###", "...#", "...#", ".##."},
    {"....", "....", "....", "....", "....", "....", "...."},
    {"....", "....", "....", "####", "....", "....", "...."},
};

void drawDotCell(Sprite& sheet, int cell, int x) {
    for (int j = 0; j < 7; ++j)
        for (int i = 0; i < 4; ++i)
            if (kDotDigits[cell][j][i] == '#') paintPixel(sheet, x + 1 + 2 * i, 2 * j, kWhite);
}

}  // namespace

// The lists sort by name, so the most legible set, the two-pixel strokes, is called Bold and comes
// first (it was called Rounded; the program still takes that name).
const NumberFont kNumberFonts[4] = {
    {"Bold", drawRoundedCell},
    {"SevenSegment", drawSegmentCell},
    {"Pixel", drawPixelCell},
    {"DotMatrix", drawDotCell},
};

Sprite drawNumberSheet(const NumberFont& font) {
    Sprite sheet(kNumberCellWidth * kNumberCells, kNumberCellHeight);
    for (int cell = 0; cell < kNumberCells; ++cell) font.drawCell(sheet, cell, cell * kNumberCellWidth);
    return sheet;
}

}  // namespace partsgen
