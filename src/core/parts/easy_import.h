// Easy import: the page "取りこみ" takes the pieces of an existing equalizer skin picture at
// once, cutting fixed rectangles out of a picture laid out like eqmain.bmp (held in PreEasyData)
// and putting them into the equalizer part slots whose Easy box is checked.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "equalizer/eq_parts.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// One copy of the import: a source rectangle of PreEasyData, 1:1 to a point of a target slot.
struct EasyCopy {
    ControlName box;     // the Easy check box that enables it
    SlotName slot;    // target slot name
    int slotIndex;            // -1 for a single slot
    Point to;                 // destination in the slot
    Rect from;                // source rectangle in PreEasyData
};

// In the order the import runs: EQ Main, ボタン, On,Auto, Preset, Image, TitleBar (two copies).
inline constexpr EasyCopy kEasyCopies[] = {
    {ctl::EasyEQMainCheck, pic::PreEQMainData2, -1, {0, 0}, {0, 0, 275, 116}},    // equalizer face
    {ctl::EasySliderCheck, pic::PreSliderData, -1, {0, 0}, {0, 164, 222, 128}}, // slider rows
    {ctl::EasyOnAutoCheck, pic::picEQData, 0, {0, 0}, {10, 119, 235, 12}},     // on/auto cells
    {ctl::EasyPresetCheck, pic::picEQData, 4, {0, 0}, {224, 164, 44, 24}},     // preset states
    {ctl::EasyImageCheck, pic::picEQData, 3, {0, 0}, {0, 294, 116, 21}},        // graph background
    {ctl::EasyEQCheck, pic::picEQData, 2, {0, 18}, {0, 134, 275, 29}},       // two title bars
    {ctl::EasyEQCheck, pic::picEQData, 2, {0, 0}, {0, 116, 9, 18}},          // close button states
};
static_assert(std::size(kEasyCopies) == 7);

// The "\PartsData\eq" folder the EasyCombo entries come from (entry + ".bmp").
inline constexpr std::string_view kEasyFolder = "\\PartsData\\eq\\";

// EasyButton "取りこむ": every copy whose box is checked, in table order. Unchecked boxes leave their slots alone. A picture smaller than a source rectangle
// gives only what it holds there; the rest of the destination keeps its pixels.
void EasyImport(Document& doc);

// A picture chosen for the import: PreEasyImage and PreEasyData both take it at its own size.
// An empty picture is refused and nothing changes.
Status PutEasyPicture(Document& doc, const Bitmap& picture);
// EasyCombo choice: "\PartsData\eq\" + entry + ".bmp" through PutEasyPicture. Nothing selected
// does nothing; a missing or undecodable file changes nothing and the error names it.
Status ChooseEasyPicture(Document& doc, const std::filesystem::path& programFolder);
// Double-click on PreEasyImage: an empty name (dialog cancelled) does nothing; a file that cannot
// be loaded changes nothing and the error names it.
Status LoadEasyPictureFile(Document& doc, const std::string& filePath);
// "貼りつけ" on PreEasyImage: an empty clipboard (nullopt) is an error and nothing changes.
Status PasteEasyPicture(Document& doc, const std::optional<Bitmap>& clipboard);

}  // namespace pelterra
