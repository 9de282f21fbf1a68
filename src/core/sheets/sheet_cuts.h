// Where each button and slider sheet of the main window takes its background from: every cell
// of a sheet is first filled with the pixels of the finished face (the backdrop Picture3) that
// lie behind that control, so that an unpressed button blends into the face.
#pragma once

#include <iterator>

#include "image/blit.h"

namespace pelterra::sheets {

// Background cuts: a rectangle of the backdrop to a point of the sheet, copied 1:1.
inline constexpr Blit kCbuttonsCuts[] = {
    {{16, 88, 114, 18}, {0, 0}},    // transport button row
    {{16, 88, 114, 18}, {0, 18}},   // second transport button row
    {{136, 89, 22, 16}, {114, 0}},  // eject button cell
    {{136, 89, 22, 16}, {114, 16}}, // second eject button cell
};
static_assert(std::size(kCbuttonsCuts) == 4);

// The position bar track; the knob cells at x = 248 and 278 come from the slider part.
inline constexpr Blit kPosbarCuts[] = {
    {{16, 72, 248, 10}, {0, 0}},
};
static_assert(std::size(kPosbarCuts) == 1);

inline constexpr Blit kMonosterCuts[] = {
    {{239, 41, 29, 12}, {0, 0}},   // stereo indicator cell
    {{239, 41, 29, 12}, {0, 12}},  // second stereo indicator cell
    {{212, 41, 29, 12}, {29, 0}},  // mono indicator cell
    {{212, 41, 29, 12}, {29, 12}}, // second mono indicator cell
};
static_assert(std::size(kMonosterCuts) == 4);

inline constexpr Blit kShufrepCuts[] = {
    {{210, 89, 28, 15}, {0, 0}},   // repeat button cells
    {{210, 89, 28, 15}, {0, 15}},
    {{210, 89, 28, 15}, {0, 30}},
    {{210, 89, 28, 15}, {0, 45}},
    {{164, 89, 47, 15}, {28, 0}},  // shuffle button cells
    {{164, 89, 47, 15}, {28, 15}},
    {{164, 89, 47, 15}, {28, 30}},
    {{164, 89, 47, 15}, {28, 45}},
    {{219, 58, 46, 12}, {0, 61}},  // equalizer and playlist toggle cells
    {{219, 58, 46, 12}, {0, 73}},
    {{219, 58, 46, 12}, {46, 61}},
    {{219, 58, 46, 12}, {46, 73}},
};
static_assert(std::size(kShufrepCuts) == 12);

inline constexpr Blit kTitlebarCuts[] = {
    {{0, 0, 276, 15}, {27, 0}},    // title bar strips
    {{0, 0, 276, 15}, {27, 15}},
    {{0, 0, 276, 15}, {27, 29}},
    {{0, 0, 276, 15}, {27, 42}},
    {{0, 0, 276, 15}, {27, 57}},
    {{0, 0, 276, 15}, {27, 72}},
    {{10, 22, 8, 43}, {304, 0}},   // option strip cells
    {{10, 22, 8, 43}, {312, 0}},
    {{10, 22, 8, 43}, {304, 44}},
    {{10, 22, 8, 43}, {312, 44}},
    {{10, 22, 8, 43}, {320, 44}},
    {{10, 22, 8, 43}, {328, 44}},
    {{10, 22, 8, 43}, {336, 44}},
    {{6, 3, 9, 9}, {0, 0}},        // menu button cells
    {{6, 3, 9, 9}, {0, 9}},
    {{244, 3, 9, 9}, {9, 0}},      // minimise and shade button cells
    {{244, 3, 9, 9}, {9, 9}},
    {{244, 3, 9, 9}, {0, 18}},
    {{244, 3, 9, 9}, {0, 27}},
    {{244, 3, 9, 9}, {9, 18}},
    {{244, 3, 9, 9}, {9, 27}},
    {{244, 3, 9, 9}, {9, 18}},     // the same two cells once more
    {{244, 3, 9, 9}, {9, 27}},
    {{264, 3, 9, 9}, {18, 0}},     // close button cells
    {{264, 3, 9, 9}, {18, 9}},
};
static_assert(std::size(kTitlebarCuts) == 25);

inline constexpr Blit kPlaypausCuts[] = {
    {{26, 28, 9, 9}, {0, 0}},   // play / pause / stop indicator cells
    {{26, 28, 9, 9}, {9, 0}},
    {{26, 28, 9, 9}, {18, 0}},
    {{24, 28, 3, 9}, {27, 0}},  // narrow indicator cells
    {{24, 28, 3, 9}, {36, 0}},
    {{24, 28, 3, 9}, {39, 0}},
};
static_assert(std::size(kPlaypausCuts) == 6);

// The 28 track frames of the volume and balance sheets, one every 15 rows.
inline constexpr BlitRun kVolumeFrames{{{107, 57, 68, 14}, {0, 0}}, {0, 15}, 28};
inline constexpr BlitRun kBalanceFrames{{{168, 57, 53, 14}, {0, 0}}, {0, 15}, 28};

// Knob cells of the slider part picData(4), copied into the slider sheets.
inline constexpr Blit kPosbarKnobs[] = {
    {{0, 0, 29, 10}, {248, 0}},
    {{30, 0, 29, 10}, {278, 0}},
};
static_assert(std::size(kPosbarKnobs) == 2);

inline constexpr Blit kVolumeKnobs[] = {
    {{45, 11, 14, 11}, {0, 422}},
    {{30, 11, 14, 11}, {15, 422}},
};
static_assert(std::size(kVolumeKnobs) == 2);

inline constexpr Blit kBalanceKnobs[] = {
    {{15, 11, 14, 11}, {0, 422}},
    {{0, 11, 14, 11}, {15, 422}},
};
static_assert(std::size(kBalanceKnobs) == 2);

// The knob of the translucent balance sheet: the cell (0,11) 14x11, in frame j at (9 + j, 15 j).
inline constexpr BlitRun kTranslucentBalanceKnobs{{{0, 11, 14, 11}, {9, 0}}, {1, 15}, 28};

}  // namespace pelterra::sheets
