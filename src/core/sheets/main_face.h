// The face of the player's main window (main.bmp, the sheet Main) and its backdrop Picture3:
// the base band chosen from the imported picture, then the frame and two free layers laid over
// it. Also the number glyph sheet, whose last cell can show the face through its black pixels.
#pragma once

#include <iterator>
#include <string_view>

#include "document/document.h"

namespace pelterra {

// Which band of the imported picture starts Main and the backdrop Picture3.
struct BaseBands {
    SlotName main;      // pic::Picture1 or pic::Picture2
    SlotName backdrop;  // pic::Picture1 or pic::Picture2
};

// The choice by "EQも出力", the combined-picture flag and "EQが下".
BaseBands chooseBaseBands(const Document& doc);

// Fills Main and Picture3 from the chosen bands. The equalizer work image takes its own face in
// the equalizer stage.
void SelectBaseImages(Document& doc);

// One full-size main-window position: the frame and the two layers, laid at (0, 0).
struct MainLayer {
    ControlName check;  // include check box
    int part;                // picData / picMask index
    int mixRow;              // optPelterra / optSeken index
};

inline constexpr MainLayer kMainLayers[] = {
    {ctl::FrameCheck, 6, 5},  // frame
    {ctl::chkLayer1, 9, 6},   // layer 1
    {ctl::chkLayer2, 10, 7},  // layer 2
};
static_assert(std::size(kMainLayers) == 3);

// Lays the position over Main when its box is checked and copies the result into Picture3; a
// clear box leaves both as they were.
void ApplyMainLayer(Document& doc, ControlName check, int part, int mixRow);

// The number sheet from the number part; with "一部透明化" the blank cell becomes the face
// behind the first time digit and the black pixels of the last cell show the face.
void BuildNumberSheet(Document& doc);

}  // namespace pelterra
