// Where the players read each sprite of the sheets the parts are laid over, and where the
// controls sit on the window faces. Every part puts its pictures in these rectangles.
#pragma once

#include <iterator>
#include <string_view>

#include "image/bitmap.h"
#include "image/blit.h"
#include "playlist/playlist_layout.h"
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
// The frame's border ring, and the wells the players draw glyphs and pictures into. A well's
// inside (one pixel in from its rectangle) holds the sprites the players draw there, and
// little more, so that the picture shows round them: the display well the work light (24,28),
// the play state (26,28), the time (36,26)-(98,38) and the visualisation (24,43) 76x16; the
// song title well the title glyphs (111,27) 154x6; the kbps and kHz wells their glyphs at
// (111,43) 15x6 and (156,43) 10x6. The option strip (10,22) stands left of the display well.
inline constexpr int kFrameRing = 3;
inline constexpr Rect kDisplayWell{22, 24, 80, 37};
inline constexpr Rect kSongTitleWell{109, 24, 158, 12};
inline constexpr Rect kBitrateWell{109, 41, 19, 10};
inline constexpr Rect kSampleRateWell{154, 41, 14, 10};
inline constexpr Rect kTimeColon{69, 26, 9, 13};  // between the minutes (60,26) and the seconds (78,26)
inline constexpr Point kBitrateCaption{131, 43};
inline constexpr Point kSampleRateCaption{170, 43};
// Grooves the sliders run along, centred on the rows their knobs take.
inline constexpr Rect kVolumeGroove{107, 61, 68, 5};
inline constexpr Rect kBalanceGroove{177, 61, 38, 5};
inline constexpr Rect kPositionGroove{16, 75, 248, 4};
inline constexpr Rect kEmblem{252, 91, 14, 14};  // the corner players open the about box from

// ---- the equalizer window face (275 x 116) and eqmain.bmp (275 x 315) ----
inline constexpr Size kEqSheetSize{pelterra::SkinSheetOf(pelterra::pic::EQ).width, pelterra::SkinSheetOf(pelterra::pic::EQ).height};
// The graph's bezel on the frame: one pixel round the 113 x 19 graph players draw at (86,17),
// which brings its own well.
inline constexpr Rect kEqGraphPanel{85, 16, 115, 21};
inline constexpr Point kEqPreampSlider{21, 38};
inline constexpr int kEqBandSliderX = 78;  // band n at x = 78 + 18 n
inline constexpr int kEqBandPitch = 18;
inline constexpr int kEqBands = 10;
inline constexpr Size kEqSliderSize{14, 63};
inline constexpr int kEqLabelsY = 104;
inline constexpr const char* kEqBandLabels[] = {"60", "170", "310", "600", "1K", "3K", "6K", "12K", "14K", "16K"};
static_assert(std::size(kEqBandLabels) == kEqBands);
// The decibel scale between the preamp slider and the first band: top, middle and bottom.
struct EqScaleLabel {
    std::string_view text;
    Point at;
};
inline constexpr EqScaleLabel kEqScaleLabels[] = {
    {"+12DB", {44, 40}},
    {"+0DB", {48, 67}},
    {"-12DB", {44, 94}},
};
static_assert(std::size(kEqScaleLabels) == 3);
// The frame's border ring: wide enough to read as a border, clear of the sliders and labels.
inline constexpr int kEqFrameRing = 2;

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

// ---- playlist layout sheets: what the playlist cut-out commands read ----
// The layout sheet is the playlist window drawn whole at 375 x 174, as the players compose a
// window of that size: top row 20 high (left corner, tiles, the title centred, right corner),
// side tiles 12 and 20 wide, bottom row 38 high (bottom-left block, one tile, the analyser
// piece, the bottom-right block). The cut-outs take each piece from where it lies.
inline constexpr Size kPlLayoutSheet{375, 174};
inline constexpr int kPlTopRowHeight = 20;
inline constexpr Rect kPlTopRow{0, 0, 375, 20};
inline constexpr Rect kPlTitle{137, 0, 100, 20};
inline constexpr Rect kPlTopTile{325, 0, 25, 20};
inline constexpr Rect kPlLeftSide{0, 20, 12, 116};
inline constexpr Rect kPlRightSide{355, 20, 20, 116};
inline constexpr Rect kPlListArea{12, 20, 343, 116};
inline constexpr Rect kPlBottomRow{0, 136, 375, 38};
inline constexpr Rect kPlBottomLeft{0, 136, 125, 38};
inline constexpr Rect kPlBottomTile{125, 136, 25, 38};
inline constexpr Rect kPlAnalyser{150, 136, 75, 38};
inline constexpr Rect kPlBottomRight{225, 136, 150, 38};
// The scroll groove of the right side tile: the players draw the handle at x = width - 15.
inline constexpr Rect kPlScrollGroove{360, 20, 8, 116};
// The buttons on the bottom-left block (add, remove, select, misc) and the list button.
inline constexpr int kPlMenuButtonY = 144;
inline constexpr int kPlMenuButtonWidth = 22;  // as wide as the menu cells that open over them
struct PlMenuButton {
    int x;
    std::string_view caption;
};
inline constexpr PlMenuButton kPlMenuButtons[] = {
    {14, "ADD"}, {43, "REM"}, {72, "SEL"}, {101, "MISC"}, {331, "LIST"},
};
static_assert(std::size(kPlMenuButtons) == 5);

// Shade bar sheet (375 x 29): the shaded window 375 wide, active in rows 0..13, inactive in
// rows 15..28. The cut-outs take the left end (0,0) 25 x 14, the middle tile (25,0) and the
// right end (325,0) 50 x 14 of the active bar.
inline constexpr Size kPlShadeSheet{375, 29};
inline constexpr Rect kPlShadeActive{0, 0, 375, 14};
inline constexpr Rect kPlShadeInactive{0, 15, 375, 14};

// The two small buttons lie at the same places in the top row's right corner and in the shade
// bar's right end: (354,3) and (364,3) of a 375-wide sheet, 9 x 9.
inline constexpr int kPlSmallButtonSide = 9;
inline constexpr Point kPlLeftSmallButton{354, 3};
inline constexpr Point kPlRightSmallButton{364, 3};

// Small-button sheet (19 x 59): 9 x 9 cells at x 0 and 10, y 0, 10, ..., 50.
inline constexpr Size kPlSmallSheet{19, 59};
enum class PlBar { Top, Shade };
struct PlSmallCell {
    Point at;
    TitleButton button;
    PlBar bar;      // the bar the button sits on, whose colours lie under it
    bool active;    // the window has the focus
    bool pressed;
};
inline constexpr PlSmallCell kPlSmallCells[] = {
    {{0, 0}, TitleButton::Shade, PlBar::Top, true, false},       // "Active1"
    {{10, 0}, TitleButton::Close, PlBar::Top, true, false},      // "Active2"
    {{0, 10}, TitleButton::Shade, PlBar::Top, false, false},     // "NotActive1"
    {{10, 10}, TitleButton::Close, PlBar::Top, false, false},    // "NotActive2"
    {{0, 20}, TitleButton::Shade, PlBar::Top, true, true},       // pressed shade button
    {{10, 20}, TitleButton::Close, PlBar::Top, true, true},      // pressed close button
    {{0, 30}, TitleButton::Unshade, PlBar::Shade, true, false},  // "ShadeActive1"
    {{10, 30}, TitleButton::Close, PlBar::Shade, true, false},   // "ShadeActive2"
    {{0, 40}, TitleButton::Unshade, PlBar::Shade, false, false}, // "ShadeNotAct1"
    {{10, 40}, TitleButton::Close, PlBar::Shade, false, false},  // "ShadeNotAct2"
    {{0, 50}, TitleButton::Unshade, PlBar::Shade, true, true},   // pressed unshade button
    {{10, 50}, TitleButton::Close, PlBar::Shade, true, true},    // pressed close button of the shade bar
};
static_assert(std::size(kPlSmallCells) == 12);

// Scroll handle picture (17 x 18): normal at x 0, pressed at x 9, each 8 x 18.
inline constexpr Size kPlHandleSheet{17, 18};
inline constexpr Rect kPlHandle{0, 0, 8, 18};
inline constexpr Rect kPlHandlePressed{9, 0, 8, 18};

// Button sheets (252 x 72): the five menus where pelterra::playlist::kButtonGroups puts them;
// captions by the pledit.bmp row each cell is shown in (rows 111, 130, 149, 168).
inline constexpr Size kPlButtonSheet{252, 72};
inline constexpr std::string_view kPlMenuCaptions[5][4] = {
    {"URL", "DIR", "FILE", ""},     // add
    {"ALL", "CROP", "SEL", "MISC"}, // remove
    {"INV", "NONE", "ALL", ""},     // select
    {"SORT", "INFO", "OPTS", ""},   // misc
    {"NEW", "SAVE", "LOAD", ""},    // list
};
static_assert(std::size(kPlMenuCaptions) == std::size(pelterra::playlist::kButtonGroups));

}  // namespace partsgen
