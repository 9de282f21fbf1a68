// Part loading on the main window's category pages: a choice in a data list (or, with the link
// box "DataとMaskを別々に指定する" checked, in the mask list) becomes pictures in the category's
// Data and Mask slots; any picture file or the clipboard's picture can be put into a slot; and
// the make flags, each shown by two check boxes that always agree.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/slot.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// Preview refresh groups of the main window's sheets; a new part choice clears the flags of the
// groups that use it so that the preview repaints them.
namespace refresh_group {
inline constexpr std::string_view cbuttons = "cbuttons";
inline constexpr std::string_view shufrep = "shufrep";
inline constexpr std::string_view monoster = "monoster";
inline constexpr std::string_view playpaus = "playpaus";
inline constexpr std::string_view slider = "slider";
inline constexpr std::string_view titlebar = "titlebar";
inline constexpr std::string_view frame = "frame";
inline constexpr std::string_view number = "number";
inline constexpr std::string_view text = "text";
}  // namespace refresh_group

// One part category of the main window. Its index k names the data list lstData(k), the Data
// slot picData(k) and the Mask slot picMask(k).
struct MainCategory {
    std::string_view name;
    int page;                  // TabStrip1 page (Frame1 index) showing the category
    int k;
    int maskList;              // lstMask index; -1 for number and text, which have none
    std::string_view linkBox;  // "DataとMaskを別々に指定する"; empty without a mask list
    std::string_view maskLabel;  // the "MaskList" label shown with the mask list
    std::string_view folder;   // below the program's folder, with a trailing backslash
    std::array<std::string_view, 2> dataGroups;  // refresh flags cleared by a new Data choice
    std::string_view maskGroup;                   // cleared by a new separate Mask choice
};

inline constexpr MainCategory kMainCategories[] = {
    {"cbuttons", 1, 0, 0, "chkCbuttonsLink", "lblCbuttonsMask", "\\PartsData\\cbuttons\\",
     {refresh_group::cbuttons, {}}, refresh_group::cbuttons},
    {"shufrep", 2, 1, 1, "chkShufrepLink", "lblShufrepMask", "\\PartsData\\shufrep\\",
     {refresh_group::shufrep, {}}, refresh_group::shufrep},
    {"monoster", 3, 2, 2, "chkMonosterLink", "lblMonosterMask", "\\PartsData\\monoster\\",
     {refresh_group::monoster, {}}, refresh_group::monoster},
    {"playpaus", 4, 3, 3, "chkPlaypausLink", "lblPlaypausMask", "\\PartsData\\playpaus\\",
     {refresh_group::playpaus, {}}, refresh_group::playpaus},
    {"slider", 5, 4, 4, "chkSliderLink", "lblSliderMask", "\\PartsData\\slider\\",
     {refresh_group::slider, {}}, refresh_group::slider},
    {"titlebar", 11, 5, 5, "chkTitlebarLink", "lblTitlebarMask", "\\PartsData\\titlebar\\",
     {refresh_group::titlebar, refresh_group::frame}, refresh_group::titlebar},
    {"frame", 12, 6, 6, "chkFrameLink", "lblFrameMask", "\\PartsData\\frame\\",
     {refresh_group::frame, refresh_group::titlebar}, refresh_group::frame},
    {"number", 8, 7, -1, {}, {}, "\\PartsData\\number\\", {refresh_group::number, {}}, {}},
    {"text", 9, 8, -1, {}, {}, "\\PartsData\\text\\", {refresh_group::text, {}}, {}},
    {"layer 1", 14, 9, 7, "chkLinkLayer1", "lblLayer1", "\\PartsData\\frame\\", {}, {}},
    {"layer 2", 15, 10, 8, "chkLinkLayer2", "lblLayer2", "\\PartsData\\frame\\", {}, {}},
};
static_assert(std::size(kMainCategories) == 11, "eleven main-window part categories");

// The category shown on a TabStrip1 page; nullptr for the other pages ("Main", "Pledit.txt", ...).
const MainCategory* categoryOnPage(int page);
// The category of a link box ("chkFrameLink"); nullptr for any other name.
const MainCategory* categoryOfLinkBox(std::string_view linkBox);

// The previous index of a list at the last part check (start-up sets it for every data list to
// its entry count + 1, so that the first check loads the selected entry; a mask list's is 0).
int previousListIndex(const Document& doc, std::string_view list, int index);

// --- Timer1: the main-window part check ---------------------------------------------------------
// Checks the category of the current page (TabStrip1). A data list whose selection differs from
// its previous index loads the chosen part (Data, then Mask, then the untouched copy); with the
// link box checked, a changed mask-list selection loads that mask alone. The number and text
// pages load one file into both slots. Other pages do nothing.
//
// A part file that is missing or cannot be decoded leaves both slots, the untouched copy and the
// refresh flags as they were, and the error names the file. The new index is still recorded, so
// the next tick does not try the same broken file again; choosing another entry (or the same
// one after another) tries anew.
Status CheckPartChoice(Document& doc, const std::filesystem::path& programFolder);
// The same for a given page, whatever TabStrip1 shows (start-up walks the pages this way).
Status CheckPagePartChoice(Document& doc, const std::filesystem::path& programFolder, int page);

// What LoadPart works on: the data list, the link box, the library folder and the two slots.
struct PartTarget {
    SlotRef dataList;          // {"lstData", k}
    std::string_view linkBox;  // empty: the Mask always follows the Data
    std::string_view folder;   // "\PartsData\cbuttons\"
    SlotRef data;
    SlotRef mask;
};

// LoadPart: the data list's chosen entry X at index n. Below the list's first-section count the
// Data is folder\X.data.bmp and the Mask candidate folder\X.mask.bmp, otherwise folder\data\X.bmp
// and folder\mask\X.bmp. The Data goes into the Data slot. With the link box checked the Mask
// stays as it is; otherwise the Mask candidate, or the folder's Default_white.mask.bmp when there
// is none, goes into the Mask slot. Every file is read before any slot changes: on a failure no
// slot changes. An empty list (nothing chosen) loads nothing and succeeds.
Status LoadPart(Document& doc, const std::filesystem::path& programFolder, const PartTarget& target);

// A mask-list choice: the chosen entry X at index n of maskList goes into the Mask slot, from
// folder\X.mask.bmp below the list's first-section count and folder\mask\X.bmp from it on.
Status LoadMaskEntry(Document& doc, const std::filesystem::path& programFolder, SlotRef maskList,
                     std::string_view folder, SlotRef mask);

// --- link boxes -----------------------------------------------------------------------------
// A click on a link box, whose value is already the new one: checked shows the category's mask
// list and its "MaskList" label, unchecked hides both. The Mask is not reloaded; the next Data
// choice does that. Unknown names are ignored.
void LinkBoxClicked(Document& doc, std::string_view linkBox);
// Brings every mask list's visibility in line with its link box (after values were set by name).
void SyncLinkBoxes(Document& doc);

// --- make flags -------------------------------------------------------------------------------
// Each of the fourteen output pieces has one flag shown by a page box and a second box; the
// document keeps both equal whichever is set. A click sets the flag to the clicked box's value.
void ClickMakeBox(Document& doc, std::string_view box, bool checked);
// The flag of the piece a box (either of the pair) belongs to.
bool makeFlag(const Document& doc, std::string_view box);
// The CheckTimer tick: both boxes of every pair take the flag's value (the page box's), in the
// tick's order: equalizer title bar, preset, frame, image, on/auto, titlebar, frame, cbuttons,
// shufrep, monoster, playpaus, posbar, volume, balance.
void SyncMakeBoxes(Document& doc);

// --- single pictures ---------------------------------------------------------------------------
// Double-click with a chosen file: the picture is stretched to the slot's size (through
// Form3.Picture1); a Data slot with an untouched copy refreshes it. An empty file name (the
// dialog was cancelled) changes nothing and succeeds; a file that cannot be read changes nothing.
Status LoadPictureIntoSlot(Document& doc, SlotRef slot, const std::string& filePath);

// The pop-up menu mnuClip on a part slot and what was chosen in it.
enum class ClipChoice {
    None,   // the menu was closed without a choice
    Paste,  // "貼りつけ" (munClipDraw)
    Copy,   // "コピー" (mnuClipCopy)
};

// Runs the menu's choice on a slot.
// - Paste: `clipboard` is the picture the caller read from the platform clipboard (empty when it
//   holds none); it is stretched onto the slot. An empty clipboard is an error and changes nothing.
// - Copy: returns the picture for the caller to put on the emptied clipboard: the one last put
//   into the slot from a part file by a list choice, as it was read. When no list choice has
//   filled the slot yet, the error says so and nothing changes.
// - Afterwards, whatever the choice (none included), a main-window Data slot 0..5 copies its
//   current picture into its untouched copy; an equalizer Data slot does so after a paste.
Result<std::optional<Bitmap>> SlotClipboardMenu(Document& doc, SlotRef slot, ClipChoice choice,
                                                const Bitmap& clipboard = {});

}  // namespace pelterra
