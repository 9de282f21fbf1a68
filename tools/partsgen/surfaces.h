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
