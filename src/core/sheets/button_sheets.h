// The button and indicator sheets of the main window (cbuttons, posbar and PosbarNo, monoster,
// shufrep, titlebar, playpaus): background cuts of the backdrop Picture3 at every cell, then,
// when the sheet's include box is checked, the chosen part over the whole sheet.
#pragma once

#include <iterator>
#include <span>
#include <string_view>

#include "sheets/sheet_cuts.h"
#include "document/document.h"

namespace pelterra {

// One button sheet: its slot, size, cuts, include box, part index and mix row.
struct ButtonSheet {
    std::string_view sheet;
    int width, height;
    std::span<const sheets::Cut> cuts;
    std::string_view check;
    int part;
    int mixRow;
};

inline constexpr ButtonSheet kCbuttonsSheet{"cbuttons", 136, 36, sheets::kCbuttonsCuts, "CbuttonsCheck", 0, 0};
inline constexpr ButtonSheet kMonosterSheet{"monoster", 58, 24, sheets::kMonosterCuts, "MonosterCheck", 2, 2};
inline constexpr ButtonSheet kShufrepSheet{"shufrep", 93, 92, sheets::kShufrepCuts, "ShufrepCheck", 1, 1};
inline constexpr ButtonSheet kTitlebarSheet{"titlebar", 344, 87, sheets::kTitlebarCuts, "TitleBarCheck", 5, 4};
inline constexpr ButtonSheet kPlaypausSheet{"playpaus", 42, 9, sheets::kPlaypausCuts, "PlaypausCheck", 3, 3};

// Cuts, then the part when the include box is checked.
void BuildButtonSheet(Document& doc, const ButtonSheet& sheet);

// posbar and PosbarNo: the track cut into both; with "Posbar" the two knobs of the slider part
// are copied into posbar as they are, without mask or Mix mode.
void BuildPosbarSheets(Document& doc);

}  // namespace pelterra
