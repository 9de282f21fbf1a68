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

// Why the store's file cannot be used, in the program's language; empty when it can (a file not
// there yet can: the first save makes it). Something else in its place (a folder, a FIFO), a file
// that cannot be read, and one that holds no settings (bytes that are no text, lines that are
// neither a [section], a key=value nor a comment) all say so. Such a file is never written over:
// the program starts with the default settings and saves none, and the words tell the user.
QString SettingsFileProblem(const QSettings& settings);

// After a save (sync) the store could not write: where and, as far as can be told, why.
QString SettingsSaveProblem(const QSettings& settings);

// A "color" key and the swatch (or swatch array) it holds; count 0 is a single swatch whose key
// is the prefix alone, otherwise the keys are prefix + 0 .. prefix + count-1.
struct SwatchSetting {
    std::string_view prefix;
    ControlName swatch;
    int count;
};

inline constexpr SwatchSetting kSwatchSettings[] = {
    {"Osc", ctl::ViscolorOsc, 5},
    {"Spec", ctl::ViscolorSpec, 16},
    {"Back", ctl::ViscolorBack, 2},
    {"Peak", ctl::ViscolorPeak, 0},
    {"Number", ctl::NumberColor, 15},
    {"Text", ctl::PicText, 6},
    {"EQ", ctl::lblcolor, 3},
    {"FrameData", ctl::lbldata, 4},
    {"FrameMask", ctl::lblMask, 4},
    {"DataGra1", ctl::lblDataGra1, 0},
    {"DataGra2", ctl::lblDataGra2, 0},
    {"MaskGra1", ctl::lblMaskGra1, 0},
    {"MaskGra2", ctl::lblMaskGra2, 0},
    {"Big1", ctl::lblBig1, 0},
    {"Big2", ctl::lblBig2, 0},
    {"DataHi", ctl::LblSliderDataHi, 0},
    {"DataTop", ctl::LblSliderDataTop, 0},
    {"DataShadow", ctl::LblSliderDataShadow, 0},
    {"DataFrame", ctl::LblSliderDataFrame, 0},
    {"MaskHi", ctl::LblSliderMaskHi, 0},
    {"MaskTop", ctl::LblSliderMaskTop, 0},
    {"MaskShadow", ctl::LblSliderMaskShadow, 0},
    {"MaskFrame", ctl::LblSliderMaskFrame, 0},
};
static_assert(std::size(kSwatchSettings) == 23, "twenty-three rows of colour settings");

// Start-up, first: "PLFont", "ASP", "SaveOp", "optSaveOp", ctl::ZipCheck, in this order.
void ReadCheckSettings(Document& doc, QSettings& settings);
// Then ctl::SaveDirText (a folder that cannot be opened falls back to DefaultSaveFolder: the
// program's folder in a writable build tree, else the per-user skins folder) and ctl::txtSaveFolda.
void ReadSaveFolderSettings(Document& doc, QSettings& settings, const std::filesystem::path& programFolder);
// Then every swatch: its stored colour, or the first colour the document gave it when the key was
// never written. A stored value that is not a number, or not a colour, reads as black.
void ReadColourSettings(Document& doc, QSettings& settings);

// Closing the main window: the "setting" keys, then the "color" keys, in the tables' order. The
// caller syncs the store and tells the user when it could not be written.
void WriteSettings(const Document& doc, QSettings& settings);

// Parses a stored colour: a decimal number rounded to a whole number; anything else is black.
Colour parseStoredColour(const QString& text);

}  // namespace pelterra::app
