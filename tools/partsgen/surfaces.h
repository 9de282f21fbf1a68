// The surfaces a style draws: a raised button face (normal or pressed), a recessed display
// panel, and a small indicator light. Every part of every category is built from these.
#pragma once

#include "sprite.h"
#include "styles.h"

namespace partsgen {

// A button face filling r; pressed faces look pushed in.
void drawSurface(Sprite& s, Rect r, const Style& style, bool pressed);

// A sunken display panel filling r (dark, for digits and text).
void drawPanel(Sprite& s, Rect r, const Style& style);

// A well the players draw glyphs or a picture into: a rim in the style's finish around an
// inside of pure black. The number and text sheets have black glyph backgrounds, so their
// cells blend with the inside of the well.
void drawWell(Sprite& s, Rect r, const Style& style);

// Whether a face shows the picture through its middle (the outline style's unpressed faces):
// glyphs on it then need a halo.
bool seeThrough(const Style& style, bool pressed);

// A toggle's face: the style's surface when off, a face lit in the style's light colour when on,
// so that on and off differ over the whole button, not just a lamp.
void drawToggleSurface(Sprite& s, Rect r, const Style& style, bool on, bool pressed);
// The ink of the glyph or caption on the face drawToggleSurface drew.
Colour toggleFaceInk(const Style& style, bool on, bool pressed);

// Labels painted straight onto the window face, over the picture: the ink and the halo ringed
// round it (contrast well over 3:1, so the label reads on any picture).
struct LabelColours {
    Colour ink, halo;
};
LabelColours labelColours(const Style& style);

// The halo of glyphs drawn on a see-through face.
Colour haloOf(const Style& style);

// An indicator light of one colour filling r, round where the style is round.
void drawLight(Sprite& s, Rect r, const Style& style, Colour c);

// The colour of an indicator (and of a lit caption) on a face, normal or pressed.
Colour stateColour(const Style& style, bool on, bool pressed);

// The ink of a toggle's glyph or caption: lit when on (darkened on the light faces, where the
// bright light colour would not read), the plain ink when off.
Colour toggleInk(const Style& style, bool on, bool pressed);

// The ink of captions and marks painted straight onto the window face (not on a button): a
// light ink for the dark-faced styles, the style's own ink for the others.
Colour faceInk(const Style& style);

// The ink colour of glyphs on a face, and how far a pressed glyph moves.
Colour inkOf(const Style& style, bool pressed);
Point pressNudge(const Style& style, bool pressed);

}  // namespace partsgen
