#include "player/glyph_text.h"

#include <algorithm>
#include <iterator>

#include "image/drawing.h"
#include "text/encoding.h"

namespace pelterra::player {

namespace {

struct GlyphRow {
    std::u32string_view characters;  // from column 0 on
    int row;
};
// text.bmp: A-Z, '"', '@' in row 0 (space at column 30); digits and punctuation in row 1;
// three letters with marks, '?' and '*' in row 2.
inline constexpr GlyphRow kGlyphRows[] = {
    {U"ABCDEFGHIJKLMNOPQRSTUVWXYZ\"@", 0},
    {U"0123456789\u2026.:()-'!_+\\/[]^&%,=$#", 1},
    {U"\u00C5\u00D6\u00C4?*", 2},
};
static_assert(std::size(kGlyphRows) == 3);
inline constexpr Point kSpaceCell{30, 0};

char32_t upper(char32_t c) {
    if (c >= U'a' && c <= U'z') return c - U'a' + U'A';
    if (c == U'\u00E5' || c == U'\u00F6' || c == U'\u00E4') return c - 0x20;  // å ö ä
    return c;
}

// The code points of UTF-8 text; a byte that starts no sequence stands for itself.
template <typename Visit>
void forEachCodePoint(std::string_view text, Visit visit) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, at);
        const auto lead = static_cast<unsigned char>(text[at]);
        if (length <= 1) {
            visit(static_cast<char32_t>(lead));
            at += 1;
            continue;
        }
        char32_t c = lead & (0xFFu >> (length + 1));
        for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(text[at + i]) & 0x3Fu);
        visit(c);
        at += length;
    }
}

Rect clipped(const Rect& r, const Rect& clip) {
    const int x0 = std::max(r.x, clip.x), y0 = std::max(r.y, clip.y);
    const int x1 = std::min(r.x + r.w, clip.x + clip.w), y1 = std::min(r.y + r.h, clip.y + clip.h);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

}  // namespace

Point GlyphCell(char32_t c) {
    c = upper(c);
    for (const GlyphRow& row : kGlyphRows) {
        const std::size_t column = row.characters.find(c);
        if (column != std::u32string_view::npos) return {static_cast<int>(column) * kGlyphWidth, row.row * kGlyphHeight};
    }
    return {kSpaceCell.x * kGlyphWidth, kSpaceCell.y * kGlyphHeight};
}

void DrawGlyphs(Bitmap& target, const Bitmap& textSheet, Point at, std::string_view text, const Rect& clip) {
    int x = at.x;
    forEachCodePoint(text, [&](char32_t c) {
        const Point cell = GlyphCell(c);
        const Rect shown = clipped({x, at.y, kGlyphWidth, kGlyphHeight}, clip);
        if (shown.w > 0 && shown.h > 0)
            BitBlt(target, shown.x, shown.y, shown.w, shown.h, textSheet, cell.x + shown.x - x, cell.y + shown.y - at.y,
                   RasterOp::SRCCOPY);
        x += kGlyphWidth;
    });
}

void DrawGlyphsInColour(Bitmap& target, const Bitmap& textSheet, Point at, std::string_view text, Colour ink,
                        const Rect& clip, int scale) {
    const Point space = GlyphCell(U' ');
    if (!textSheet.contains(space.x, space.y)) return;
    const Colour blank = textSheet.at(space.x, space.y);
    const Rect inside = clipped(clip, {0, 0, target.width(), target.height()});
    int x = at.x;
    forEachCodePoint(text, [&](char32_t c) {
        const Point cell = GlyphCell(c);
        for (int gy = 0; gy < kGlyphHeight; ++gy)
            for (int gx = 0; gx < kGlyphWidth; ++gx) {
                if (!textSheet.contains(cell.x + gx, cell.y + gy) || textSheet.at(cell.x + gx, cell.y + gy) == blank) continue;
                const Rect dot = clipped({x + gx * scale, at.y + gy * scale, scale, scale}, inside);
                for (int y = dot.y; y < dot.y + dot.h; ++y) std::fill_n(target.row(y) + dot.x, dot.w, ink);
            }
        x += kGlyphWidth * scale;
    });
}

int GlyphTextWidth(std::string_view text, int scale) {
    int glyphs = 0;
    forEachCodePoint(text, [&](char32_t) { ++glyphs; });
    return glyphs * kGlyphWidth * scale;
}

}  // namespace pelterra::player
