// The editing state the program starts from: what the start-up routine does to the document
// after the settings are read. The GUI, the command line and the tests all start from here.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "document/document.h"
#include "parts/catalogue.h"
#include "result.h"

namespace pelterra {

// Receives each progress line of the part catalogue fill ("Loading the cbutton parts", ...)
// before its step runs; the splash window shows it.
using StartupProgress = CatalogueProgress;

// Check boxes whose start value the program chooses so that an unchanged start builds a skin
// every player loads (every sheet present, the equalizer sheet with its slider rows).
struct StartupDefault {
    ControlName box;
    int value;
};
inline constexpr StartupDefault kStartupDefaults[] = {
    {ctl::chkPLMake, 1},     // "PLを出力する": pledit.bmp is required by one player
    {ctl::chkSkinMode, 1},   // "EQも出力": eqmain.bmp is required by one player
    {ctl::EQModeCheck, 1},   // "EQ Slider": eqmain.bmp with the slider, preset and graph rows
    {ctl::EqUporDown, 1},    // "EQが下": a stacked picture holds the main window on top, as players show it
    // The slider make flags: clear, volume.bmp and balance.bmp are 1×1 white and posbar.bmp has
    // no knob cells, so the player draws no volume, balance or position knob.
    {ctl::PosbarCheck, 1},   // "Posbar": posbar.bmp 307×10 with its knobs
    {ctl::VolumeCheck, 1},   // "Volume": volume.bmp 68×433
    {ctl::BalanceCheck, 1},  // "Balance": balance.bmp 68×433 (a present 1×1 sheet stops the fall-back to volume)
};

// Make and include boxes that start checked when their category has a part loaded at start-up
// (its list has a first entry), so that the first skin uses every part and every later choice
// shows: the main window's pieces, the equalizer's, and the playlist's frame, shade-bar and
// inactive parts when a playlist style is chosen. Twins follow their box.
struct PartMakeBox {
    ControlName box;
    int first, last;  // the box's index range; -1, -1 for a single box
    ControlName list;
    int listIndex;
};
inline constexpr PartMakeBox kPartMakeBoxes[] = {
    {ctl::ShufrepCheck, -1, -1, ctl::lstData, 1},
    {ctl::MonosterCheck, -1, -1, ctl::lstData, 2},
    {ctl::PlaypausCheck, -1, -1, ctl::lstData, 3},
    {ctl::TitleBarCheck, -1, -1, ctl::lstData, 5},
    {ctl::FrameCheck, -1, -1, ctl::lstData, 6},
    {ctl::OnAutoCheck, -1, -1, ctl::lstEQData, 0},
    {ctl::EQFrameCheck, -1, -1, ctl::lstEQData, 1},
    {ctl::EQCheck, -1, -1, ctl::lstEQData, 2},
    {ctl::ImageCheck, -1, -1, ctl::lstEQData, 3},
    {ctl::PresetCheck, -1, -1, ctl::lstEQData, 4},
    {ctl::chkPLParts, 0, 9, ctl::PLStyleCombo, -1},
    {ctl::chkPLShade, -1, -1, ctl::PLStyleCombo, -1},
    {ctl::chkPLActive, -1, -1, ctl::PLStyleCombo, -1},
};

// In this order:
// 1. fills every part list from programFolder\PartsData (one progress line per category), the
//    style list StyleCombo from its style set files (its first entry selected, not applied: the
//    start colours are those of the Classic set) and PLStyleCombo from the playlist styles;
// 2. loads \PartsData\cg.bmp into the region editor's picture areas;
// 3. chooses the first entry of every category of the main window and of the equalizer (the
//    category tables), the slider, its back colour and the "取りこみ" picture, and the first
//    playlist style of \PartsData\playlist; the number and text parts are coloured with the
//    glyph swatches as "色をつける" does;
// 4. selects the first entries of MaronCombo1 and MaronCombo2 and sets the cbuttons make flag;
// 5. builds the playlist colour texts Text1/Text2 and sets the start defaults and the make boxes
//    of the loaded parts above;
// 6. widens hscR/hscG/hscB(0..9) to -256..256.
// A failing step is skipped and the rest carries on, as at start-up; the failures are returned
// together (the document is complete either way, with unloaded slots left blank:
// white Data, black Masks).
Status InitialiseDocument(Document& doc, const std::filesystem::path& programFolder,
                          const StartupProgress& progress = {});

// What the start-up could not do, in two kinds: library folders that are there but cannot be
// read (their lists stay empty, so every skin would lack those parts: a front end must say so
// plainly), and every other failing step.
struct StartupReport {
    std::vector<Error> unreadableFolders;  // each folder once, with the reason ("permission denied")
    std::vector<Error> failures;           // a missing cg.bmp, a first part that cannot be read, ...
    // All of them as InitialiseDocument returns them: the folders first, one a line.
    Status status() const;
};
// InitialiseDocument with its failures sorted into the two kinds.
StartupReport InitialiseDocumentReporting(Document& doc, const std::filesystem::path& programFolder,
                                          const StartupProgress& progress = {});

}  // namespace pelterra
