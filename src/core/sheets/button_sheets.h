// The button and indicator sheets of the main window (cbuttons, posbar and PosbarNo, monoster,
// shufrep, titlebar, playpaus): background cuts of the backdrop Picture3 at every cell, then,
// when the sheet's include box is checked, the chosen part over the whole sheet.
#pragma once

#include <string_view>

#include "document/document.h"

namespace pelterra {

// One button sheet: its slot (a row of the skin's sheets, which gives its size and cuts),
// include box, part index and mix row.
struct ButtonSheet {
    SlotName sheet;
    ControlName check;
    int part;
    int mixRow;
};

inline constexpr ButtonSheet kCbuttonsSheet{pic::cbuttons, ctl::CbuttonsCheck, 0, 0};
inline constexpr ButtonSheet kMonosterSheet{pic::monoster, ctl::MonosterCheck, 2, 2};
inline constexpr ButtonSheet kShufrepSheet{pic::shufrep, ctl::ShufrepCheck, 1, 1};
inline constexpr ButtonSheet kTitlebarSheet{pic::titlebar, ctl::TitleBarCheck, 5, 4};
inline constexpr ButtonSheet kPlaypausSheet{pic::playpaus, ctl::PlaypausCheck, 3, 3};

// Cuts, then the part when the include box is checked.
void BuildButtonSheet(Document& doc, const ButtonSheet& sheet);

// posbar and PosbarNo: the track cut into both; with "Posbar" the two knobs of the slider part
// are copied into posbar as they are, without mask or Mix mode.
void BuildPosbarSheets(Document& doc);

}  // namespace pelterra
