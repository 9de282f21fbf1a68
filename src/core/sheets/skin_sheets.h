// The skin's pictures: every bitmap file of a skin, the slot of the sheet it is written from,
// the sheet's size, its background cuts and the box that decides which sheet is written. Rows
// follow the archive's file list; a file written from one of two sheets has a row for each, and
// the document's sheet slots, the save, the preview and the parts generator all read this table.
#pragma once

#include <array>
#include <cstddef>
#include <iterator>
#include <span>
#include <string_view>
#include <vector>

#include "document/slot.h"
#include "image/blit.h"
#include "sheets/sheet_cuts.h"

namespace pelterra {

class Document;

// The window a sheet belongs to: an equalizer-only save leaves out the main window's sheets.
enum class SheetWindow { Main, Equalizer, Playlist };

// The box a sheet's writing depends on: written while `box` is checked (with `whenChecked`
// false: while it is clear). No box: always written with its window.
struct SheetBox {
    ControlName box;
    bool whenChecked = true;
};

struct SkinSheet {
    std::string_view file;
    SlotRef slot{};
    int width = 0, height = 0;
    SheetWindow window = SheetWindow::Main;
    SheetBox written{};
    std::span<const Blit> cuts{};  // background cuts from the backdrop Picture3
    BlitRun frames{};              // the slider track frames cut from the backdrop (count 0: none)
};

inline constexpr SkinSheet kSkinSheets[] = {
    {.file = "main.bmp", .slot = {pic::Main}, .width = 275, .height = 116},
    {.file = "cbuttons.bmp", .slot = {pic::cbuttons}, .width = 136, .height = 36, .cuts = sheets::kCbuttonsCuts},
    {.file = "balance.bmp", .slot = {pic::balance}, .width = 68, .height = 433, .written = {ctl::BalanceCheck}, .frames = sheets::kBalanceFrames},
    {.file = "balance.bmp", .slot = {pic::BalanceNo}, .width = 1, .height = 1, .written = {ctl::BalanceCheck, false}},
    {.file = "monoster.bmp", .slot = {pic::monoster}, .width = 58, .height = 24, .cuts = sheets::kMonosterCuts},
    {.file = "numbers.bmp", .slot = {pic::number}, .width = 108, .height = 13},
    {.file = "playpaus.bmp", .slot = {pic::playpaus}, .width = 42, .height = 9, .cuts = sheets::kPlaypausCuts},
    {.file = "posbar.bmp", .slot = {pic::posbar}, .width = 307, .height = 10, .written = {ctl::PosbarCheck}, .cuts = sheets::kPosbarCuts},
    {.file = "posbar.bmp", .slot = {pic::PosbarNo}, .width = 248, .height = 10, .written = {ctl::PosbarCheck, false}, .cuts = sheets::kPosbarCuts},
    {.file = "shufrep.bmp", .slot = {pic::shufrep}, .width = 93, .height = 92, .cuts = sheets::kShufrepCuts},
    {.file = "text.bmp", .slot = {pic::picData, 8}, .width = 155, .height = 18},  // the text part, unchanged
    {.file = "titlebar.bmp", .slot = {pic::titlebar}, .width = 344, .height = 87, .cuts = sheets::kTitlebarCuts},
    {.file = "volume.bmp", .slot = {pic::volume}, .width = 68, .height = 433, .written = {ctl::VolumeCheck}, .frames = sheets::kVolumeFrames},
    {.file = "volume.bmp", .slot = {pic::VolumeNo}, .width = 1, .height = 1, .written = {ctl::VolumeCheck, false}},
    {.file = "eqmain.bmp", .slot = {pic::EQ}, .width = 275, .height = 315, .window = SheetWindow::Equalizer, .written = {ctl::EQModeCheck}},
    {.file = "eqmain.bmp", .slot = {pic::eqmain}, .width = 275, .height = 163, .window = SheetWindow::Equalizer, .written = {ctl::EQModeCheck, false}},
    {.file = "pledit.bmp", .slot = {pic::picPL}, .width = 280, .height = 186, .window = SheetWindow::Playlist, .written = {ctl::chkPLMake}},
};
static_assert(std::size(kSkinSheets) == 17);

// The row of a sheet slot. Evaluated as a constant, a slot the table lacks does not compile.
constexpr const SkinSheet& SkinSheetOf(SlotName slot) {
    for (const SkinSheet& s : kSkinSheets)
        if (s.slot.name == slot) return s;
    throw "not a sheet of the skin";
}

// The document slots of one window's sheets, in table order: every row whose slot is a sheet
// of its own (text.bmp is written from a part slot that the main window declares).
template <SheetWindow window>
constexpr auto SheetSlotSpecs() {
    constexpr auto owned = [](const SkinSheet& s) { return s.window == window && s.slot.index < 0; };
    constexpr std::size_t count = [owned] {
        std::size_t n = 0;
        for (const SkinSheet& s : kSkinSheets) n += owned(s) ? 1 : 0;
        return n;
    }();
    std::array<SlotSpec, count> specs{};
    std::size_t i = 0;
    for (const SkinSheet& s : kSkinSheets)
        if (owned(s)) specs[i++] = {s.slot.name, -1, -1, s.width, s.height};
    return specs;
}

// Whether the sheet's box lets it be written (its window's own condition is the save's business).
bool IsWritten(const Document& doc, const SkinSheet& sheet);

// The rows of one window that are written, in table order.
std::vector<const SkinSheet*> WrittenSheets(const Document& doc, SheetWindow window);

}  // namespace pelterra
