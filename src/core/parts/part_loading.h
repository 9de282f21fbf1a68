// Part loading of the main window's categories: a choice in a data list (or, with the link box
// "DataとMaskを別々に指定する" checked, in the mask list) becomes pictures in the category's Data
// and Mask slots at once; any picture file or the clipboard's picture can be put into a slot; and
// the make flags, each shown by two check boxes that always agree.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "document/document.h"
#include "document/slot.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// --- choosing parts ----------------------------------------------------------------------------
// A choice of entry `entry` in the data list lstData(k) of a main-window category: the list
// selects it, then the chosen part loads at once. With a mask list: Data, then the Mask unless the
// link box is checked, then the untouched copy (LoadPart). Number and text: one file,
// folder\X.bmp, into both slots. An entry of -1 (an emptied list) loads nothing. A part file that
// is missing or cannot be decoded leaves the list, both slots and the untouched copy as they were,
// and the error names the file.
Status ChoosePart(Document& doc, const std::filesystem::path& programFolder, int k, int entry);
// A choice in the mask list lstMask(m): with the category's link box checked, the entry goes into
// the Mask slot (LoadMaskEntry); with it clear the list only keeps the choice. A failed file
// leaves everything as it was.
Status ChooseMaskPart(Document& doc, const std::filesystem::path& programFolder, int maskList, int entry);
// What every list choice does: selects `entry` in `list` and runs `load` (nothing for an emptied
// list); a failed load takes the selection back, so that nothing is left changed.
Status SelectAndLoad(Document& doc, ControlRef list, int entry, const std::function<Status()>& load);

// A maker (frame, slider, back colour) drew over `slot`: the list whose choice filled the slot
// no longer names what it shows, so it selects nothing (-1) and the slot's "コピー" no longer
// hands out the part. The list that fills a Mask slot is the mask list while the link box is
// checked and the data list otherwise; number and text fill both slots from the data list.
// Slots no list fills are left alone.
void ForgetListChoice(Document& doc, SlotRef slot);

// What LoadPart works on: the data list, the link box, the library folder and the two slots.
struct PartTarget {
    ControlRef dataList;          // {ctl::lstData, k}
    ControlName linkBox;  // empty: the Mask always follows the Data
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
Status LoadMaskEntry(Document& doc, const std::filesystem::path& programFolder, ControlRef maskList,
                     std::string_view folder, SlotRef mask);

// --- link boxes -----------------------------------------------------------------------------
// Sets a link box "DataとMaskを別々に指定する" of the main window or the equalizer: checked shows
// the category's mask list and its "MaskList" label, clear hides both. The Mask is not reloaded;
// the next Data choice does that. Unknown names are an error.
Status SetLinkBox(Document& doc, ControlName linkBox, bool checked);
// Brings every mask list's visibility in line with its link box (after values were restored).
void SyncLinkBoxes(Document& doc);
bool isLinkBox(ControlName name);

// --- make flags -------------------------------------------------------------------------------
// Each of the fourteen output pieces has one flag shown by a page box and a second box; the
// document keeps the two equal, whichever is set (SetControl or a project).
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
