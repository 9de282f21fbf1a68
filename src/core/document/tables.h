// The tables the document is made from: every picture slot and every control of every window,
// one table per window or subsystem, each in its own file.
#pragma once

#include <span>

#include "document/control.h"
#include "document/slot.h"

namespace pelterra::tables {

// Main window Form1: part slots, lists, link boxes, make boxes, colour bars, faces, save options.
std::span<const SlotSpec> mainWindowSlots();
std::span<const ControlSpec> mainWindowControls();
// Equalizer pages of the main window: equalizer part slots and lists, slider and back colour.
std::span<const SlotSpec> equalizerSlots();
std::span<const ControlSpec> equalizerControls();
// Playlist pages: playlist part slots, button slots, options.
std::span<const SlotSpec> playlistSlots();
std::span<const ControlSpec> playlistControls();
// Hidden skin form Form2: one sheet per output bitmap (main window sheets), the equalizer's work
// image and sheet, and the playlist sheet with its work pictures.
std::span<const SlotSpec> skinSheetSlots();
std::span<const SlotSpec> equalizerSheetSlots();
std::span<const SlotSpec> playlistSheetSlots();
// Check boxes of the main window that only the skin build reads.
std::span<const ControlSpec> skinBuildControls();
// Tool windows: frmHowToMix, frmMakeFrame, FrmMakeSlider, frmBackColor, colour swatches.
std::span<const SlotSpec> toolWindowSlots();
std::span<const ControlSpec> toolWindowControls();
// Generators (frmMakeFrame, FrmMakeSlider, frmBackColor) and the glyph colours of the number and
// text pages: their pictures, swatches and options. generatorControls() is the five tables
// below in one; the project manifest names its sections after them.
std::span<const SlotSpec> generatorSlots();
std::span<const ControlSpec> generatorControls();
std::span<const ControlSpec> frameMakerControls();
std::span<const ControlSpec> sliderMakerControls();
std::span<const ControlSpec> backColorControls();
std::span<const ControlSpec> glyphColourControls();
std::span<const ControlSpec> projectControls();  // txtProject of "プロジェクト保存"
std::span<const OptionGroupSpec> generatorOptionGroups();
// Region page.
std::span<const SlotSpec> regionSlots();
std::span<const ControlSpec> regionControls();

// The pages whose values go into the skin's text files: "Pledit.txt", "Maron.txt", "Viscolor",
// and the file selection boxes the save reads.
std::span<const ControlSpec> outputControls();
// The preview window PreViewForm: the two mock-ups and the playlist picture.
std::span<const SlotSpec> outputSlots();

// Every group of mutually exclusive option buttons.
std::span<const OptionGroupSpec> optionGroups();

// Every pair of check boxes that shows one value, in the order the CheckTimer tick visits them.
std::span<const TwinCheckSpec> twinCheckBoxes();

}  // namespace pelterra::tables
