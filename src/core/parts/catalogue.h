// The part catalogue: every selection list filled from the PartsData library at start-up
// (the main window's data and mask lists, the equalizer's, and the three combo boxes), and
// the rule that turns a chosen entry back into the file it came from.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/names.h"
#include "parts/part_list.h"
#include "text/words.h"
#include "result.h"

namespace pelterra {

// The list controls the catalogue fills, by their control names.
enum class CatalogueList { lstData, lstMask, lstEQData, lstEQMask, EasyCombo, SliderCombo, BackColorCombo };

// One list control: its name and, for control arrays, its index (-1 for a single control).
struct ListRef {
    CatalogueList list;
    int index = -1;
};

ControlName controlName(CatalogueList list);

// "lstData(4)", ctl::EasyCombo.
std::string controlLabel(ListRef ref);

struct PartsCatalogue {
    std::array<PartList, 11> lstData;   // main-window data lists, one per category
    std::array<PartList, 9> lstMask;    // main-window mask lists (number and text have none)
    std::array<PartList, 7> lstEQData;  // equalizer data lists
    std::array<PartList, 7> lstEQMask;  // equalizer mask lists
    PartList EasyCombo;                 // pictures offered by the Easy import
    PartList SliderCombo;               // equalizer slider graphics
    PartList BackColorCombo;            // equalizer slider back colours

    // The list of a control; nullptr when the name is unknown or the index out of range. Single
    // controls accept index -1 or 0.
    PartList* find(ControlName name, int index);
    const PartList* find(ControlName name, int index) const;
    PartList& at(ListRef ref);
    const PartList& at(ListRef ref) const;

    // Every list control in a fixed order: lstData(0..10), lstMask(0..8), lstEQData(0..6),
    // lstEQMask(0..6), EasyCombo, SliderCombo, BackColorCombo.
    static std::vector<ListRef> allLists();

    bool operator==(const PartsCatalogue&) const = default;
};

// Receives each progress line before its step runs ("Loading the cbutton parts"): English words
// with the parts' name apart, so that a window can show them in its language (and let pending
// events run) and the command line prints them as they are.
using CatalogueProgress = std::function<void(const Words&)>;

// Fills every list from programFolder\PartsData in twenty steps, one progress line each. A
// missing folder leaves its lists empty and the fill goes on; the fill itself cannot fail.
PartsCatalogue fillPartsCatalogue(const std::filesystem::path& programFolder,
                                  const CatalogueProgress& progress = {});

// The lists, and the folders that are there but could not be read (each once, naming the folder
// and the reason, "permission denied"): their lists stay empty, so the skin would lack those
// parts without a word unless a front end says so.
struct FilledCatalogue {
    PartsCatalogue lists;
    std::vector<Error> unreadableFolders;
};
// The fill above, reporting the folders it could not read.
FilledCatalogue readPartsCatalogue(const std::filesystem::path& programFolder, const CatalogueProgress& progress = {});

// The twenty progress lines in the order the fill reports them, as words and in English.
std::vector<Words> catalogueProgress();
std::vector<std::string> catalogueProgressLines();

enum class PartImage { Data, Mask };

// The file tail of the entry at `index` of a data list (PartImage::Data) or of the file of the
// same part in the mask role (PartImage::Mask), below `folder` ("\PartsData\cbuttons\",
// trailing backslash optional). Below the first-section count the part is in single-folder
// form: folder\X.data.bmp / folder\X.mask.bmp; at or above it, in the split form:
// folder\data\X.bmp / folder\mask\X.bmp. A mask-list entry uses the mask list's own count.
std::string partFileTail(std::string_view folder, std::string_view entry, int index, int firstSectionCount,
                         PartImage image);

// The same for the entry at `index` of `list`; nullopt when index names no entry.
std::optional<std::string> partFileTail(std::string_view folder, const PartList& list, int index, PartImage image);

// folder\Default_white.mask.bmp: the mask used when a part has no mask file of its own.
std::string defaultMaskTail(std::string_view folder);

// The library folder a data or mask list's entries are loaded from, written as the loaders
// write it ("\PartsData\frame\" for lstData(9)), or a combo box's; nullopt for unknown indexes.
std::optional<std::string_view> partFolderOf(ListRef ref);

}  // namespace pelterra
