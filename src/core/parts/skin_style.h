// The style of a whole skin. Every category of the parts library draws its parts once per style
// (Classic, Glass, Metal, ...); a style set file, \PartsData\styles\<Style>.ini, adds what goes
// with those parts: the digit set, the row colours of the digits and letters, the playlist text
// colours and font, and the visualisation colours. Choosing a style in StyleCombo takes all of it
// at once, so that the skin belongs together.
//
// A style set file is plain text, one "NAME=VALUE" a line under "[Style]"; lines starting with
// ';' are comments. Colours are written #RRGGBB, several of them separated by commas:
//
//   Digits=Bold                  the number list's entry (a file of \PartsData\number)
//   NumberRows=#..., 15 colours  NumberColor(0..14), the digits' rows from the top
//   TextRows=#..., 6 colours     PicText(0..5), the letters' rows from the top
//   PleditNormal=#...            the playlist's text, the song that plays, its background
//   PleditCurrent=#...           and the background of the selected songs
//   PleditNormalBG=#...
//   PleditSelectedBG=#...
//   PleditFont=Arial             the playlist font
//   VisBackground=#...,#...      ViscolorBack(0..1): background, grid dots
//   VisSpectrum=#..., 16 colours ViscolorSpec(0..15): the analyser bars from the top
//   VisScope=#..., 5 colours     ViscolorOsc(0..4): the oscilloscope, brightest first
//   VisPeak=#...                 ViscolorPeak: the analyser's peak dots
//
// Every name is required once; names are matched ignoring case.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "colours/style_colours.h"
#include "document/document.h"
#include "result.h"

namespace pelterra {

inline constexpr std::string_view kStyleSetFolder = "\\PartsData\\styles";
inline constexpr std::string_view kStyleSetSuffix = ".ini";

struct StyleSet {
    std::string digits;      // an entry of the number list lstData(7)
    std::string pleditFont;  // the playlist font
    StyleColours colours;

    bool operator==(const StyleSet&) const = default;
};

// The text of a style set file for the style `name`.
std::string StyleSetText(const StyleSet& set, std::string_view name);
// Reads the text of a style set file; `path` names it in the errors (line numbers, a value that
// is not a colour, a name given twice, unknown or missing).
Result<StyleSet> ParseStyleSet(std::string_view text, const std::string& path);
// Reads programFolder\PartsData\styles\<style>.ini.
Result<StyleSet> ReadStyleSet(const std::filesystem::path& programFolder, std::string_view style);

// Fills StyleCombo with the style set files' names, sorted ignoring case, and selects the first
// without applying it: the program starts with the Classic set's colours, which is the first style.
// A missing folder leaves the list empty; so does one that cannot be read, which is the error.
Status FillStyleList(Document& doc, const std::filesystem::path& programFolder);

// What a style set gives that is not a part: the glyph swatches, then "色をつける" on the number
// and text parts, the playlist colours and font (the playlist texts are rebuilt), the visualisation
// colours.
void ApplyStyleColours(Document& doc, const StyleSet& set);

// A choice in StyleCombo: selects `entry` (nothing for -1) and reads that style's set file. Then,
// as one command: every part list that has an entry of the style's name chooses it (lstData(0..6),
// lstEQData(0..4), SliderCombo, PLStyleCombo, each with its own command), the number list chooses
// the style's digits, and ApplyStyleColours. A style set file that is missing or cannot be read
// changes nothing; a part that cannot be read is reported with the others and the style is not
// selected, while the lists that did load keep their choice.
Status ChooseSkinStyle(Document& doc, const std::filesystem::path& programFolder, int entry);

}  // namespace pelterra
