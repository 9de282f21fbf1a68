// Where the players read each sprite of the sheets the parts are laid over, and where the
// controls sit on the window faces. Every part puts its pictures in these rectangles.
#pragma once

#include <iterator>

#include "image/bitmap.h"
#include "image/blit.h"
#include "sheets/skin_sheets.h"

namespace partsgen {

using pelterra::Point;
using pelterra::Rect;

struct Size {
    int w, h;
};

// ---- cbuttons.bmp (136 x 36) ----
enum class Transport { Previous, Play, Pause, Stop, Next, Eject };
struct TransportCell {
    Transport button;
    Rect normal;
    Rect pressed;
};
inline constexpr TransportCell kCbuttonsCells[] = {
    {Transport::Previous, {0, 0, 23, 18}, {0, 18, 23, 18}},
    {Transport::Play, {23, 0, 23, 18}, {23, 18, 23, 18}},
    {Transport::Pause, {46, 0, 23, 18}, {46, 18, 23, 18}},
    {Transport::Stop, {69, 0, 23, 18}, {69, 18, 23, 18}},
    {Transport::Next, {92, 0, 22, 18}, {92, 18, 22, 18}},
    {Transport::Eject, {114, 0, 22, 16}, {114, 16, 22, 16}},
};
static_assert(std::size(kCbuttonsCells) == 6);

// ---- shufrep.bmp (the part is 92 x 85) ----
enum class Toggle { Repeat, Shuffle, Equalizer, Playlist };
struct ToggleCell {
    Toggle control;
    bool on;
    bool pressed;
    Rect r;
};
inline constexpr ToggleCell kShufrepCells[] = {
    {Toggle::Repeat, false, false, {0, 0, 28, 15}},
    {Toggle::Repeat, false, true, {0, 15, 28, 15}},
    {Toggle::Repeat, true, false, {0, 30, 28, 15}},
    {Toggle::Repeat, true, true, {0, 45, 28, 15}},
    {Toggle::Shuffle, false, false, {28, 0, 47, 15}},
    {Toggle::Shuffle, false, true, {28, 15, 47, 15}},
    {Toggle::Shuffle, true, false, {28, 30, 47, 15}},
    {Toggle::Shuffle, true, true, {28, 45, 47, 15}},
    {Toggle::Equalizer, false, false, {0, 61, 23, 12}},
    {Toggle::Equalizer, true, false, {0, 73, 23, 12}},
    {Toggle::Equalizer, false, true, {46, 61, 23, 12}},
    {Toggle::Equalizer, true, true, {46, 73, 23, 12}},
    {Toggle::Playlist, false, false, {23, 61, 23, 12}},
    {Toggle::Playlist, true, false, {23, 73, 23, 12}},
    {Toggle::Playlist, false, true, {69, 61, 23, 12}},
    {Toggle::Playlist, true, true, {69, 73, 23, 12}},
};
static_assert(std::size(kShufrepCells) == 16);

// ---- monoster.bmp (58 x 24) ----
struct ChannelCell {
    bool stereo;
    bool lit;
    Rect r;
};
inline constexpr ChannelCell kMonosterCells[] = {
    {true, true, {0, 0, 29, 12}},
    {true, false, {0, 12, 29, 12}},
    {false, true, {29, 0, 27, 12}},
    {false, false, {29, 12, 27, 12}},
};
static_assert(std::size(kMonosterCells) == 4);

// ---- playpaus.bmp (42 x 9) ----
enum class PlayState { Playing, Paused, Stopped, WorkOff, WorkOn };
struct PlayStateCell {
    PlayState state;
    Rect r;
};
inline constexpr PlayStateCell kPlaypausCells[] = {
    {PlayState::Playing, {0, 0, 9, 9}},
    {PlayState::Paused, {9, 0, 9, 9}},
    {PlayState::Stopped, {18, 0, 9, 9}},
    {PlayState::WorkOff, {36, 0, 3, 9}},
    {PlayState::WorkOn, {39, 0, 3, 9}},
};
static_assert(std::size(kPlaypausCells) == 5);

// ---- titlebar.bmp (344 x 87) ----
struct TitleStrip {
    Rect r;
    bool active;
    bool shaded;  // the window-shade bar of the main window
};
inline constexpr TitleStrip kTitleStrips[] = {
    {{27, 0, 275, 14}, true, false},
    {{27, 15, 275, 14}, false, false},
    {{27, 29, 275, 14}, true, true},
    {{27, 42, 275, 14}, false, true},
    {{27, 57, 275, 14}, true, false},
    {{27, 72, 275, 14}, false, false},
};
static_assert(std::size(kTitleStrips) == 6);

enum class TitleButton { Menu, Minimise, Close, Shade, Unshade };
struct TitleButtonCell {
    TitleButton button;
    Point normal;
    Point pressed;
};
inline constexpr int kTitleButtonSide = 9;
inline constexpr TitleButtonCell kTitleButtons[] = {
    {TitleButton::Menu, {0, 0}, {0, 9}},
    {TitleButton::Minimise, {9, 0}, {9, 9}},
    {TitleButton::Close, {18, 0}, {18, 9}},
    {TitleButton::Shade, {0, 18}, {9, 18}},
    {TitleButton::Unshade, {0, 27}, {9, 27}},
};
static_assert(std::size(kTitleButtons) == 5);

// The option strip beside the display, its disabled twin, and each letter pressed.
inline constexpr Rect kOptionStrip{304, 0, 8, 43};
inline constexpr Rect kOptionStripDisabled{312, 0, 8, 43};
struct OptionLetter {
    char letter;
    int top;     // first row of the letter's slice of the strip
    int height;  // rows of the slice
    Point pressed;
};
inline constexpr OptionLetter kOptionLetters[] = {
    {'O', 3, 8, {304, 47}},
    {'A', 11, 7, {312, 55}},
    {'I', 18, 7, {320, 62}},
    {'D', 25, 8, {328, 69}},
    {'V', 33, 8, {336, 77}},
};
static_assert(std::size(kOptionLetters) == 5);

// ---- slider part (59 x 22): the knob atlas the build cuts the slider knobs from ----
enum class Knob { Position, Volume, Balance };
struct KnobCell {
    Knob knob;
    bool pressed;
    Rect r;
};
inline constexpr KnobCell kSliderKnobs[] = {
    {Knob::Position, false, {0, 0, 29, 10}},
    {Knob::Position, true, {30, 0, 29, 10}},
    {Knob::Balance, true, {0, 11, 14, 11}},
    {Knob::Volume, true, {30, 11, 14, 11}},
    {Knob::Balance, false, {15, 11, 14, 11}},
    {Knob::Volume, false, {45, 11, 14, 11}},
};
static_assert(std::size(kSliderKnobs) == 6);

// ---- the main window face (275 x 116) ----
inline constexpr Size kFaceSize{pelterra::SkinSheetOf(pelterra::pic::Main).width, pelterra::SkinSheetOf(pelterra::pic::Main).height};
inline constexpr Rect kTitleArea{0, 0, 275, 14};
inline constexpr Rect kDisplayPanel{8, 20, 98, 46};       // option strip, play state, time, analyser
inline constexpr Rect kSongTitlePanel{108, 21, 159, 12};  // the scrolling song title
inline constexpr Rect kBitratePanel{108, 40, 22, 11};
inline constexpr Rect kSampleRatePanel{153, 40, 16, 11};
inline constexpr Point kBitrateCaption{132, 43};
inline constexpr Point kSampleRateCaption{171, 43};
inline constexpr Rect kVolumeGroove{107, 61, 68, 5};
inline constexpr Rect kBalanceGroove{177, 61, 38, 5};
inline constexpr Rect kPositionGroove{14, 70, 252, 14};
inline constexpr Rect kEmblem{252, 91, 14, 14};  // the corner players open the about box from

// ---- the equalizer window face (275 x 116) and eqmain.bmp (275 x 315) ----
inline constexpr Size kEqSheetSize{pelterra::SkinSheetOf(pelterra::pic::EQ).width, pelterra::SkinSheetOf(pelterra::pic::EQ).height};
inline constexpr Rect kEqGraphPanel{84, 15, 117, 23};
inline constexpr Point kEqPreampSlider{21, 38};
inline constexpr int kEqBandSliderX = 78;  // band n at x = 78 + 18 n
inline constexpr int kEqBandPitch = 18;
inline constexpr int kEqBands = 10;
inline constexpr Size kEqSliderSize{14, 63};
inline constexpr int kEqLabelsY = 104;
inline constexpr const char* kEqBandLabels[] = {"60", "170", "310", "600", "1K", "3K", "6K", "12K", "14K", "16K"};
static_assert(std::size(kEqBandLabels) == kEqBands);

// Equalizer parts: on/auto 235 x 12 (four 59-pixel cells: off, on, off pressed, on pressed;
// ON in the first 26 columns, AUTO in the next 32), title-bar part 275 x 47, graph 116 x 21,
// preset 44 x 25.
inline constexpr int kOnAutoCell = 59;
inline constexpr Rect kOnButton{0, 0, 26, 12};
inline constexpr Rect kAutoButton{26, 0, 32, 12};
struct OnAutoState {
    bool on;
    bool pressed;
};
inline constexpr OnAutoState kOnAutoStates[] = {{false, false}, {true, false}, {false, true}, {true, true}};
static_assert(std::size(kOnAutoStates) == 4);

inline constexpr Rect kEqBarClose{0, 0, 9, 9};
inline constexpr Rect kEqBarClosePressed{0, 9, 9, 9};
inline constexpr Rect kEqBarActive{0, 18, 275, 14};
inline constexpr Rect kEqBarInactive{0, 33, 275, 14};
inline constexpr Rect kEqGraph{0, 0, 113, 19};
inline constexpr Rect kEqPreampLine{0, 20, 113, 1};
inline constexpr Rect kEqGraphColours{115, 0, 1, 19};
inline constexpr Rect kPresetNormal{0, 0, 44, 12};
inline constexpr Rect kPresetPressed{0, 12, 44, 12};

// Equalizer slider graphic (27 x 63): knobs in the left 13 columns, the bar from column 13.
inline constexpr Rect kEqKnob{0, 0, 11, 11};
inline constexpr Rect kEqKnobPressed{0, 12, 11, 11};
inline constexpr Rect kEqSliderBar{13, 0, 14, 63};

// Back-colour sheet (209 x 130): 28 cells of 14 x 64, pitch 15 across and 66 down, each a
// window of a 119-row three-colour strip two rows lower than the one before.
inline constexpr Size kBackSheet{209, 130};
inline constexpr Size kBackCell{14, 64};
inline constexpr int kBackColumns = 14;
inline constexpr int kBackRows = 2;
inline constexpr int kBackPitchX = 15;
inline constexpr int kBackPitchY = 66;
inline constexpr int kStripRowsPerSheetRow = 24;  // the second row of cells starts 24 strip rows down
inline constexpr int kStripRowsPerCell = 2;       // each cell starts 2 strip rows below the one before

// eqmain.bmp sprites the Easy import pictures carry.
inline constexpr Point kEqSheetBar{0, 116};  // close button states, then the two title bars
inline constexpr Point kEqSheetOnAuto{10, 119};
inline constexpr pelterra::Blit kEqSheetKnobs{{0, 0, 13, 60}, {0, 164}};  // the slider graphic's knob strip
inline constexpr Point kEqSheetBars{13, 164};  // 28 cells, 14 across, 15 apart; rows 65 apart
inline constexpr int kEqSheetBarPitchX = 15;
inline constexpr int kEqSheetBarPitchY = 65;
inline constexpr Point kEqSheetPresets{224, 164};
inline constexpr Point kEqSheetGraph{0, 294};

}  // namespace partsgen
