// The playlist styles of the parts library: each folder of \PartsData\playlist\ holds the layout
// sheets of one style. Choosing a style puts its sheets into the sheet slots and cuts every
// playlist part, button group and small button out of them, as the cut-out commands do, so that
// one choice gives a whole playlist window.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "result.h"

namespace pelterra {

inline constexpr std::string_view kPlaylistStyleFolder = "\\PartsData\\playlist\\";

// One file of a style folder and the picPLPartsData slot it goes into.
struct PlaylistStyleFile {
    std::string_view name;
    int slot;
};
inline constexpr PlaylistStyleFile kPlaylistStyleFiles[] = {
    {"layout.bmp", 38},         // the whole window, 375x174
    {"shade.bmp", 39},          // the shade bar, 375x29
    {"button_back.bmp", 40},    // the button backgrounds, 252x72
    {"button_text.bmp", 41},    // the button captions, dark on white, 252x72
    {"small_buttons.bmp", 42},  // the small-button cells, 19x59
    {"scroll_handle.bmp", 34},  // the scroll handle, normal at x 0 and pressed at x 9
};

// Sheets a style folder may hold besides those: the Masks of the layout and shade bar sheets
// (white where the style's frame covers, black where the picture below shows), cut into the
// parts' Mask slots with the rectangles the cut-outs take from the sheet, and the top row of the
// layout sheet drawn for an unfocused window, from which the inactive corners, tile and title are
// cut. A style without them covers everything it cuts, and its inactive row is its active one.
enum class PlaylistStyleExtraUse { Mask, InactiveTopRow };
struct PlaylistStyleExtra {
    std::string_view name;
    int sheetSlot;  // the sheet whose cut-outs it goes with
    PlaylistStyleExtraUse use;
};
inline constexpr PlaylistStyleExtra kPlaylistStyleExtras[] = {
    {"layout.mask.bmp", 38, PlaylistStyleExtraUse::Mask},                // 375x174
    {"shade.mask.bmp", 39, PlaylistStyleExtraUse::Mask},                 // 375x29
    {"layout.inactive.bmp", 38, PlaylistStyleExtraUse::InactiveTopRow},  // 375x20
};

// The style folders below programFolder\PartsData\playlist, sorted by name ignoring case. A
// missing folder is an error (the list stays empty); hidden folders are left out.
Result<std::vector<std::string>> ListPlaylistStyles(const std::filesystem::path& programFolder);

// Fills PLStyleCombo with the styles and selects the first. A missing folder leaves the list
// empty, as a missing part folder leaves its part list, and the playlist is built from the
// picture alone. A folder that is there but cannot be read leaves it empty too, and is the error.
Status FillPlaylistStyleList(Document& doc, const std::filesystem::path& programFolder);

// A choice in PLStyleCombo: selects `entry` and loads that style (nothing for -1). Every file is
// read before any slot changes: a missing or unreadable file leaves everything as it was, and the
// error names the file. The style's sheets go into their slots (stretched to the slot's size as a
// loaded file is), the Masks of the parts it fills are cleared and then cover exactly what the
// cut-outs wrote (or, with the style's mask sheets, what those let through), the frame, shade bar, inactive row and small buttons are cut out, and the five
// button groups are cut from the background sheet with the captions laid over them.
Status ChoosePlaylistStyle(Document& doc, const std::filesystem::path& programFolder, int entry);

}  // namespace pelterra
