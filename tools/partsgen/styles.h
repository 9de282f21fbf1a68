// The looks of the default parts library: one row per style, each a set of colours, a finish
// and a roundness. Every category draws its parts once per style, so a user who picks the same
// style everywhere gets a skin that belongs together.
#pragma once

#include <string_view>

#include "image/colour.h"

namespace partsgen {

using pelterra::RGB;

// How a style's parts are stored in a category folder: X.data.bmp + X.mask.bmp, data\X.bmp +
// mask\X.bmp, or X.data.bmp alone (the category's Default_white mask then covers it all).
enum class Storage { SingleFolder, Split, DataOnly };

// The surface a style draws: bevelled metal, rounded glass, flat panels, outlines only, or the
// classic two-pixel bevel that covers its whole cell (which is why it needs no mask of its own).
enum class Finish { Metal, Glass, Flat, Outline, Classic };

struct Style {
    std::string_view name;
    Storage storage;
    Finish finish;
    int radius;                             // corner roundness of buttons and panels
    pelterra::Colour faceTop, faceBottom;   // raised surface, top to bottom
    pelterra::Colour pressedTop, pressedBottom;
    pelterra::Colour light, dark;           // bevel edges
    pelterra::Colour border;                // outermost outline
    pelterra::Colour ink, inkPressed;       // glyphs on the surface
    pelterra::Colour lit, unlit;            // indicator lights and lit captions
    pelterra::Colour panel;                 // recessed display panels of the frames
};

inline constexpr Style kStyles[] = {
    {"Metal", Storage::SingleFolder, Finish::Metal, 0,
     RGB(216, 220, 226), RGB(146, 152, 162), RGB(118, 124, 134), RGB(172, 178, 188),
     RGB(248, 250, 252), RGB(72, 76, 84), RGB(38, 40, 46),
     RGB(34, 38, 46), RGB(16, 18, 22), RGB(110, 250, 140), RGB(64, 92, 72), RGB(16, 22, 26)},
    {"Glass", Storage::SingleFolder, Finish::Glass, 4,
     RGB(132, 190, 246), RGB(28, 78, 168), RGB(18, 54, 128), RGB(58, 116, 196),
     RGB(206, 232, 255), RGB(10, 30, 80), RGB(12, 36, 92),
     RGB(255, 255, 255), RGB(186, 218, 255), RGB(128, 236, 255), RGB(40, 82, 132), RGB(6, 16, 42)},
    {"Flat", Storage::Split, Finish::Flat, 0,
     RGB(60, 64, 72), RGB(60, 64, 72), RGB(112, 76, 36), RGB(112, 76, 36),
     RGB(60, 64, 72), RGB(60, 64, 72), RGB(26, 28, 32),
     RGB(255, 164, 48), RGB(255, 204, 128), RGB(255, 170, 60), RGB(110, 80, 44), RGB(20, 21, 25)},
    {"Outline", Storage::Split, Finish::Outline, 3,
     RGB(232, 236, 242), RGB(232, 236, 242), RGB(232, 236, 242), RGB(196, 202, 212),
     RGB(232, 236, 242), RGB(232, 236, 242), RGB(232, 236, 242),
     RGB(242, 245, 250), RGB(30, 34, 42), RGB(255, 255, 255), RGB(120, 126, 136), RGB(232, 236, 242)},
    {"Classic", Storage::DataOnly, Finish::Classic, 0,
     RGB(192, 192, 192), RGB(192, 192, 192), RGB(192, 192, 192), RGB(192, 192, 192),
     RGB(255, 255, 255), RGB(0, 0, 0), RGB(0, 0, 0),
     RGB(0, 0, 0), RGB(0, 0, 0), RGB(0, 200, 0), RGB(0, 84, 0), RGB(0, 0, 0)},
};
static_assert(std::size(kStyles) == 5);

}  // namespace partsgen
