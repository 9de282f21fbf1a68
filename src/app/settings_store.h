// The user's settings between runs: QSettings in INI form under the application name
// "pelterra", section "setting" (save options and check boxes) and section "color" (colour
// swatches). Yes/no values are the texts "True" and "False", compared exactly.
#pragma once

#include <filesystem>
#include <memory>
#include <string_view>

#include <QSettings>

#include "document/document.h"

namespace pelterra::app {

inline constexpr char kSettingsApplication[] = "pelterra";

// The per-user store: ~/.config/pelterra/pelterra.ini (or below QSettings::setPath's folder).
std::unique_ptr<QSettings> openUserSettings();

// A "color" key and the swatch (or swatch array) it holds; count 0 is a single swatch whose key
// is the prefix alone, otherwise the keys are prefix + 0 .. prefix + count-1.
struct SwatchSetting {
    std::string_view prefix;
    std::string_view swatch;
    int count;
};

inline constexpr SwatchSetting kSwatchSettings[] = {
    {"Osc", "ViscolorOsc", 5},
    {"Spec", "ViscolorSpec", 16},
    {"Back", "ViscolorBack", 2},
    {"Peak", "ViscolorPeak", 0},
    {"Number", "NumberColor", 15},
    {"Text", "PicText", 6},
    {"EQ", "lblcolor", 3},
    {"FrameData", "lbldata", 4},
    {"FrameMask", "lblMask", 4},
    {"DataGra1", "lblDataGra1", 0},
    {"DataGra2", "lblDataGra2", 0},
    {"MaskGra1", "lblMaskGra1", 0},
    {"MaskGra2", "lblMaskGra2", 0},
    {"Big1", "lblBig1", 0},
    {"Big2", "lblBig2", 0},
    {"DataHi", "LblSliderDataHi", 0},
    {"DataTop", "LblSliderDataTop", 0},
    {"DataShadow", "LblSliderDataShadow", 0},
    {"DataFrame", "LblSliderDataFrame", 0},
    {"MaskHi", "LblSliderMaskHi", 0},
    {"MaskTop", "LblSliderMaskTop", 0},
    {"MaskShadow", "LblSliderMaskShadow", 0},
    {"MaskFrame", "LblSliderMaskFrame", 0},
};
static_assert(std::size(kSwatchSettings) == 23, "twenty-three rows of colour settings");

// Start-up, first: "PLFont", "ASP", "SaveOp", "optSaveOp", "ZipCheck", in this order.
void ReadCheckSettings(Document& doc, QSettings& settings);
// Then "SaveDirText" (a folder that cannot be opened falls back to the program's folder) and
// "txtSaveFolda".
void ReadSaveFolderSettings(Document& doc, QSettings& settings, const std::filesystem::path& programFolder);
// Then every swatch: its stored colour, or black. A value that is not a number, or not a colour,
// reads as black.
void ReadColourSettings(Document& doc, QSettings& settings);

// Closing the main window: the "setting" keys, then the "color" keys, in the tables' order.
void WriteSettings(const Document& doc, QSettings& settings);

// Parses a stored colour: a decimal number rounded to a whole number; anything else is black.
Colour parseStoredColour(const QString& text);

}  // namespace pelterra::app
