// Where the players take each sprite from its sheet and where they draw it in their windows, in
// the order the players compose the three windows. Rectangles are (x, y, w, h) in the sheet,
// points in the window's own pixels.
#pragma once

#include <iterator>
#include <string_view>

#include "image/blit.h"
#include "player/player_view.h"

namespace pelterra::player {

// A sprite with a normal and a pressed state, drawn at one place of a window.
struct Button {
    PlayerButton button;
    std::string_view sheet;
    Rect normal;
    Point pressed;  // the pressed state's corner in the same sheet, the same size
    Point at;
};

// A sprite in two states chosen by something on or off: a toggle, a lamp.
struct Lamp {
    Rect off;
    Point on;
    Point at;
};

inline constexpr int kMainWidth = 275, kMainHeight = 116, kShadeHeight = 14;

// ---- main window ----
inline constexpr Rect kTitleActive{27, 0, 275, 14}, kTitleInactive{27, 15, 275, 14};
inline constexpr Button kTitleButtons[] = {
    {PlayerButton::Menu, "titlebar.bmp", {0, 0, 9, 9}, {0, 9}, {6, 3}},
    {PlayerButton::Minimise, "titlebar.bmp", {9, 0, 9, 9}, {9, 9}, {244, 3}},
    {PlayerButton::Shade, "titlebar.bmp", {0, 18, 9, 9}, {9, 18}, {254, 3}},
    {PlayerButton::Close, "titlebar.bmp", {18, 0, 9, 9}, {18, 9}, {264, 3}},
};
static_assert(std::size(kTitleButtons) == 4);
inline constexpr Blit kOptionStrip{{304, 0, 8, 43}, {10, 22}};

inline constexpr Rect kPlayStates[] = {{0, 0, 9, 9}, {9, 0, 9, 9}, {18, 0, 9, 9}};  // playing, paused, stopped
inline constexpr Point kPlayStateAt{26, 28};
inline constexpr Lamp kWorkIndicator{{36, 0, 3, 9}, {39, 0}, {24, 28}};

inline constexpr int kDigitWidth = 9, kDigitHeight = 13;
inline constexpr Point kDigitsAt[] = {{48, 26}, {60, 26}, {78, 26}, {90, 26}};
static_assert(std::size(kDigitsAt) == 4);
inline constexpr Point kMinusAt{36, 26};
inline constexpr int kWideDigitSheet = 108;         // numbers.bmp with blank and minus cells
inline constexpr Rect kWideMinus{99, 0, 9, 13};
inline constexpr Blit kNarrowMinus{{20, 6, 5, 1}, {38, 32}};  // centred in the minus cell

inline constexpr Rect kVisArea{24, 43, 76, 16};
inline constexpr Rect kSongTitle{111, 27, 154, 6};
inline constexpr Point kKbpsAt{111, 43};
inline constexpr Point kKhzAt{156, 43};
inline constexpr Lamp kMono{{29, 12, 27, 12}, {29, 0}, {212, 41}};    // unlit, lit
inline constexpr Lamp kStereo{{0, 12, 29, 12}, {0, 0}, {239, 41}};

// volume.bmp and balance.bmp: 28 track frames, 15 rows apart, shown 13 rows high.
inline constexpr int kSliderFrames = 28, kSliderFramePitch = 15, kSliderFrameHeight = 13;
inline constexpr Rect kVolumeTrack{0, 0, 68, 13};
inline constexpr Point kVolumeAt{107, 57};
inline constexpr Rect kBalanceTrack{9, 0, 38, 13};
inline constexpr Point kBalanceAt{177, 57};
inline constexpr Rect kSliderKnob{15, 422, 14, 11};
inline constexpr Point kSliderKnobPressed{0, 422};
inline constexpr int kSliderKnobY = 1;

inline constexpr Lamp kEqualizerToggle{{0, 61, 23, 12}, {0, 73}, {219, 58}};
inline constexpr Lamp kPlaylistToggle{{23, 61, 23, 12}, {23, 73}, {242, 58}};
inline constexpr int kTogglePressedDx = 46;

inline constexpr Blit kPositionTrack{{0, 0, 248, 10}, {16, 72}};
inline constexpr Rect kPositionKnob{248, 0, 29, 10};
inline constexpr Point kPositionKnobPressed{278, 0};
inline constexpr int kPositionTravel = 219;

inline constexpr Button kTransportButtons[] = {
    {PlayerButton::Previous, "cbuttons.bmp", {0, 0, 23, 18}, {0, 18}, {16, 88}},
    {PlayerButton::Play, "cbuttons.bmp", {23, 0, 23, 18}, {23, 18}, {39, 88}},
    {PlayerButton::Pause, "cbuttons.bmp", {46, 0, 23, 18}, {46, 18}, {62, 88}},
    {PlayerButton::Stop, "cbuttons.bmp", {69, 0, 23, 18}, {69, 18}, {85, 88}},
    {PlayerButton::Next, "cbuttons.bmp", {92, 0, 22, 18}, {92, 18}, {108, 88}},
    {PlayerButton::Eject, "cbuttons.bmp", {114, 0, 22, 16}, {114, 16}, {136, 89}},
};
static_assert(std::size(kTransportButtons) == 6);

// shufrep.bmp rows: off, off pressed, on, on pressed.
inline constexpr int kShufrepRowPitch = 15;
inline constexpr Blit kShuffle{{28, 0, 47, 15}, {164, 89}};
inline constexpr Blit kRepeat{{0, 0, 28, 15}, {210, 89}};

// shaded main window
inline constexpr Rect kShadeActive{27, 29, 275, 14}, kShadeInactive{27, 42, 275, 14};
inline constexpr Button kShadeButtons[] = {
    {PlayerButton::Minimise, "titlebar.bmp", {9, 0, 9, 9}, {9, 9}, {244, 3}},
    {PlayerButton::Shade, "titlebar.bmp", {0, 27, 9, 9}, {9, 27}, {254, 3}},
    {PlayerButton::Close, "titlebar.bmp", {18, 0, 9, 9}, {18, 9}, {264, 3}},
};
static_assert(std::size(kShadeButtons) == 3);

// ---- equalizer window (eqmain.bmp) ----
inline constexpr Rect kEqFace{0, 0, 275, 116};
inline constexpr Rect kEqTitleActive{0, 134, 275, 14}, kEqTitleInactive{0, 149, 275, 14};
inline constexpr Button kEqButtons[] = {
    {PlayerButton::EqClose, "eqmain.bmp", {0, 116, 9, 9}, {0, 125}, {264, 3}},
    {PlayerButton::EqPresets, "eqmain.bmp", {224, 164, 44, 12}, {224, 176}, {217, 18}},
};
static_assert(std::size(kEqButtons) == 2);
// ON and AUTO: off, on, off pressed, on pressed along one row, 12 rows high.
inline constexpr int kEqSwitchHeight = 12;
struct EqSwitch {
    PlayerButton button;
    int y, width;
    int x[4];
    Point at;
};
inline constexpr EqSwitch kEqSwitches[] = {
    {PlayerButton::EqOn, 119, 26, {10, 69, 128, 187}, {14, 18}},
    {PlayerButton::EqAuto, 119, 32, {36, 95, 154, 213}, {40, 18}},
};
static_assert(std::size(kEqSwitches) == 2);
inline constexpr Rect kEqGraph{0, 294, 113, 19};
inline constexpr Point kEqGraphAt{86, 17};
inline constexpr Point kEqGraphColours{115, 294};  // a column of 19 line colours, top to bottom
inline constexpr Rect kEqPreampLine{0, 314, 113, 1};
// slider bar frames: 14 across from (13,164) 15 apart, a second row at y = 229
inline constexpr Rect kEqBarFrame{13, 164, 14, 63};
inline constexpr int kEqBarPitch = 15, kEqBarFramesPerRow = 14, kEqBarSecondRowY = 229;
inline constexpr Rect kEqKnob{0, 164, 11, 11};
inline constexpr Point kEqKnobPressed{0, 176};
inline constexpr Point kEqPreampAt{21, 38};
inline constexpr int kEqBandX = 78, kEqBandPitch = 18, kEqKnobTravel = 51;

// ---- playlist window (pledit.bmp) ----
inline constexpr int kPlTopHeight = 20, kPlActiveY = 0, kPlInactiveY = 21;
inline constexpr int kPlTopLeftX = 0, kPlTitleX = 26, kPlTopTileX = 127, kPlTopRightX = 153;
inline constexpr int kPlCornerWidth = 25, kPlTitleWidth = 100;
inline constexpr Rect kPlLeftTile{0, 42, 12, 29};
inline constexpr Rect kPlRightTile{31, 42, 20, 29};
inline constexpr Rect kPlBottomLeft{0, 72, 125, 38};
inline constexpr Rect kPlBottomRight{126, 72, 150, 38};
inline constexpr Rect kPlBottomTile{179, 0, 25, 38};
inline constexpr Rect kPlAnalyser{205, 0, 75, 38};
inline constexpr int kPlAnalyserFromWidth = 350;
inline constexpr Rect kPlScrollHandle{52, 53, 8, 18};
inline constexpr Point kPlScrollHandlePressed{61, 53};
inline constexpr int kPlScrollHandleRight = 15;  // x = width - 15
inline constexpr Rect kPlShadeLeft{72, 42, 25, 14};
inline constexpr Rect kPlShadeTile{72, 57, 25, 14};
inline constexpr Rect kPlShadeRight{99, 42, 50, 14};
inline constexpr int kPlWidthStep = 25, kPlHeightStep = 29;

}  // namespace pelterra::player
