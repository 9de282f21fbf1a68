// Where each button and slider sheet of the main window takes its background from: every cell
// of a sheet is first filled with the pixels of the finished face (the backdrop Picture3) that
// lie behind that control, so that an unpressed button blends into the face.
#pragma once

#include <iterator>

#include "image/bitmap.h"

namespace pelterra::sheets {

// Background cut: sheet rectangle <- backdrop point, copied 1:1.
struct Cut {
    Rect to;
    Point from;
};

// A regular run of equal cuts: `count` cells of `size` from one backdrop point, the first at
// `origin` and each next one `pitch` further down.
struct CutColumn {
    Point origin;
    int w = 0, h = 0;
    int pitch = 0;
    int count = 0;
    Point from;
};

inline constexpr Cut kCbuttonsCuts[] = {
    {{0, 0, 114, 18}, {16, 88}},    // transport button row
    {{0, 18, 114, 18}, {16, 88}},   // second transport button row
    {{114, 0, 22, 16}, {136, 89}},  // eject button cell
    {{114, 16, 22, 16}, {136, 89}}, // second eject button cell
};
static_assert(std::size(kCbuttonsCuts) == 4);

// The position bar track; the knob cells at x = 248 and 278 come from the slider part.
inline constexpr Cut kPosbarCuts[] = {
    {{0, 0, 248, 10}, {16, 72}},
};
static_assert(std::size(kPosbarCuts) == 1);

inline constexpr Cut kMonosterCuts[] = {
    {{0, 0, 29, 12}, {239, 41}},   // stereo indicator cell
    {{0, 12, 29, 12}, {239, 41}},  // second stereo indicator cell
    {{29, 0, 29, 12}, {212, 41}},  // mono indicator cell
    {{29, 12, 29, 12}, {212, 41}}, // second mono indicator cell
};
static_assert(std::size(kMonosterCuts) == 4);

inline constexpr Cut kShufrepCuts[] = {
    {{0, 0, 28, 15}, {210, 89}},   // repeat button cells
    {{0, 15, 28, 15}, {210, 89}},
    {{0, 30, 28, 15}, {210, 89}},
    {{0, 45, 28, 15}, {210, 89}},
    {{28, 0, 47, 15}, {164, 89}},  // shuffle button cells
    {{28, 15, 47, 15}, {164, 89}},
    {{28, 30, 47, 15}, {164, 89}},
    {{28, 45, 47, 15}, {164, 89}},
    {{0, 61, 46, 12}, {219, 58}},  // equalizer and playlist toggle cells
    {{0, 73, 46, 12}, {219, 58}},
    {{46, 61, 46, 12}, {219, 58}},
    {{46, 73, 46, 12}, {219, 58}},
};
static_assert(std::size(kShufrepCuts) == 12);

inline constexpr Cut kTitlebarCuts[] = {
    {{27, 0, 276, 15}, {0, 0}},    // title bar strips
    {{27, 15, 276, 15}, {0, 0}},
    {{27, 29, 276, 15}, {0, 0}},
    {{27, 42, 276, 15}, {0, 0}},
    {{27, 57, 276, 15}, {0, 0}},
    {{27, 72, 276, 15}, {0, 0}},
    {{304, 0, 8, 43}, {10, 22}},   // option strip cells
    {{312, 0, 8, 43}, {10, 22}},
    {{304, 44, 8, 43}, {10, 22}},
    {{312, 44, 8, 43}, {10, 22}},
    {{320, 44, 8, 43}, {10, 22}},
    {{328, 44, 8, 43}, {10, 22}},
    {{336, 44, 8, 43}, {10, 22}},
    {{0, 0, 9, 9}, {6, 3}},        // menu button cells
    {{0, 9, 9, 9}, {6, 3}},
    {{9, 0, 9, 9}, {244, 3}},      // minimise and shade button cells
    {{9, 9, 9, 9}, {244, 3}},
    {{0, 18, 9, 9}, {244, 3}},
    {{0, 27, 9, 9}, {244, 3}},
    {{9, 18, 9, 9}, {244, 3}},
    {{9, 27, 9, 9}, {244, 3}},
    {{9, 18, 9, 9}, {244, 3}},     // the same two cells once more
    {{9, 27, 9, 9}, {244, 3}},
    {{18, 0, 9, 9}, {264, 3}},     // close button cells
    {{18, 9, 9, 9}, {264, 3}},
};
static_assert(std::size(kTitlebarCuts) == 25);

inline constexpr Cut kPlaypausCuts[] = {
    {{0, 0, 9, 9}, {26, 28}},   // play / pause / stop indicator cells
    {{9, 0, 9, 9}, {26, 28}},
    {{18, 0, 9, 9}, {26, 28}},
    {{27, 0, 3, 9}, {24, 28}},  // narrow indicator cells
    {{36, 0, 3, 9}, {24, 28}},
    {{39, 0, 3, 9}, {24, 28}},
};
static_assert(std::size(kPlaypausCuts) == 6);

// The 28 track frames of the volume and balance sheets, one every 15 rows.
inline constexpr CutColumn kVolumeFrames{{0, 0}, 68, 14, 15, 28, {107, 57}};
inline constexpr CutColumn kBalanceFrames{{0, 0}, 53, 14, 15, 28, {168, 57}};

// Knob cells of the slider part picData(4): part rectangle -> sheet point.
struct KnobCell {
    Rect from;
    Point to;
};

inline constexpr KnobCell kPosbarKnobs[] = {
    {{0, 0, 29, 10}, {248, 0}},
    {{30, 0, 29, 10}, {278, 0}},
};
static_assert(std::size(kPosbarKnobs) == 2);

inline constexpr KnobCell kVolumeKnobs[] = {
    {{45, 11, 14, 11}, {0, 422}},
    {{30, 11, 14, 11}, {15, 422}},
};
static_assert(std::size(kVolumeKnobs) == 2);

inline constexpr KnobCell kBalanceKnobs[] = {
    {{15, 11, 14, 11}, {0, 422}},
    {{0, 11, 14, 11}, {15, 422}},
};
static_assert(std::size(kBalanceKnobs) == 2);

// The knob of the translucent balance sheet: the cell (0,11) 14x11, in frame j at (9 + j, 15 j).
inline constexpr Rect kTranslucentBalanceKnob{0, 11, 14, 11};
inline constexpr Point kTranslucentBalanceKnobStart{9, 0};
inline constexpr int kTranslucentBalanceKnobFrames = 28;

}  // namespace pelterra::sheets
