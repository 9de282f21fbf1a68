// Sprite: a part being drawn, its Data picture and its Mask side by side, and the small painting
// helpers every part is made of. Painting puts colour into the Data and coverage into the Mask
// (white where the part covers the face, black where the face shows through, grey only on the
// anti-aliased edge of a rounded shape).
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include "image/bitmap.h"
#include "image/colour.h"

namespace partsgen {

using pelterra::Bitmap;
using pelterra::Colour;
using pelterra::Point;
using pelterra::Rect;

struct Sprite {
    Bitmap data;
    Bitmap mask;

    // A blank sprite: black Data, nothing covered.
    Sprite(int width, int height);
    int width() const { return data.width(); }
    int height() const { return data.height(); }
};

// The colour a shape takes at a pixel (a flat colour, a gradient).
using Shade = std::function<Colour(int x, int y)>;

Shade flat(Colour c);
// Top colour on the first row of `band`, bottom colour on its last row.
Shade verticalGradient(Rect band, Colour top, Colour bottom);

// Mixes two colours: t = 0 gives a, t = 255 gives b.
Colour mix(Colour a, Colour b, int t);
// Every channel scaled by percent/100 (above 100 brightens towards white).
Colour shadeBy(Colour c, int percent);

// Lays colour over one pixel with a coverage of 0..255; the Mask takes the union of coverages.
void paintPixel(Sprite& s, int x, int y, Colour c, int coverage = 255);

// Fills a rectangle with full coverage.
void fillRect(Sprite& s, Rect r, const Shade& shade);
// Fills a rectangle whose corners are rounded to `radius`; the rim is anti-aliased.
void fillRoundRect(Sprite& s, Rect r, int radius, const Shade& shade);
// A rounded ring `thickness` pixels wide just inside r.
void ringRoundRect(Sprite& s, Rect r, int radius, int thickness, const Shade& shade);
// Raised (or, with the colours swapped, sunken) edges: `width` rows of light along the top and
// left, dark along the right and bottom. Only the Data changes; the pixels must be covered.
void bevel(Sprite& s, Rect r, Colour light, Colour dark, int width = 1);
// Sets the Data under the pixels nothing covers yet, leaving the Mask alone: what shows where a
// picture is copied without its mask.
void fillUncovered(Sprite& s, Rect r, const Shade& shade);
// Makes a rectangle transparent again: Mask black, Data black.
void clearRect(Sprite& s, Rect r);

// A glyph is a small picture written as rows of text: '#' full ink, '+' half ink (a hand-placed
// anti-aliased pixel), anything else empty.
using GlyphRows = std::span<const std::string_view>;
int glyphWidth(GlyphRows g);
inline int glyphHeight(GlyphRows g) { return static_cast<int>(g.size()); }
void drawGlyph(Sprite& s, GlyphRows g, int x, int y, Colour c);
// The glyph centred in a rectangle (odd remainders go to the right and bottom).
void drawGlyphCentred(Sprite& s, GlyphRows g, Rect r, Colour c, Point nudge = {});
// The glyph centred in a rectangle with every pixel around its ink (the eight neighbours) in the
// halo colour first, so that it reads over any picture.
void drawOutlinedGlyphCentred(Sprite& s, GlyphRows g, Rect r, Colour ink, Colour halo);

}  // namespace partsgen
