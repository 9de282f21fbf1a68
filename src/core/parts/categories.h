// The part categories of the main window and of the equalizer, one table per window, one row per
// category with every fact about it: its index (which names the data list, the Data and Mask
// slots), the untouched copy the colour change starts from, the mask list and its link box, the
// library folder, the colour-shift group and the Mix-mode row. The part commands, the colour
// change, the Mix modes, start-up and the windows all read these two tables.
#pragma once

#include <iterator>
#include <string_view>

#include "document/names.h"

namespace pelterra {

inline constexpr int kNone = -1;

// One category of the main window: lstData(index), picData(index), picMask(index).
struct MainCategory {
    std::string_view name;
    int index;
    int untouchedCopy = kNone;   // picData index of the copy the colour change starts from
    int maskList = kNone;        // lstMask index; none for number and text, which load one file
    ControlName linkBox = {};    // "DataとMaskを別々に指定する"; empty without a mask list
    ControlName maskLabel = {};  // the "MaskList" label shown with the mask list
    std::string_view folder = {};     // below the program's folder, with a trailing backslash
    int colourGroup = kNone;     // hscR/hscG/hscB(i)
    int mixRow = kNone;          // optPelterra(k) / optSeken(k)
};

inline constexpr MainCategory kMainCategories[] = {
    {.name = "cbuttons", .index = 0, .untouchedCopy = 11, .maskList = 0, .linkBox = ctl::chkCbuttonsLink,
     .maskLabel = ctl::lblCbuttonsMask, .folder = "\\PartsData\\cbuttons\\", .colourGroup = 0, .mixRow = 0},
    {.name = "shufrep", .index = 1, .untouchedCopy = 12, .maskList = 1, .linkBox = ctl::chkShufrepLink,
     .maskLabel = ctl::lblShufrepMask, .folder = "\\PartsData\\shufrep\\", .colourGroup = 1, .mixRow = 1},
    {.name = "monoster", .index = 2, .untouchedCopy = 13, .maskList = 2, .linkBox = ctl::chkMonosterLink,
     .maskLabel = ctl::lblMonosterMask, .folder = "\\PartsData\\monoster\\", .colourGroup = 2, .mixRow = 2},
    {.name = "playpaus", .index = 3, .untouchedCopy = 14, .maskList = 3, .linkBox = ctl::chkPlaypausLink,
     .maskLabel = ctl::lblPlaypausMask, .folder = "\\PartsData\\playpaus\\", .colourGroup = 3, .mixRow = 3},
    {.name = "slider", .index = 4, .untouchedCopy = 15, .maskList = 4, .linkBox = ctl::chkSliderLink,
     .maskLabel = ctl::lblSliderMask, .folder = "\\PartsData\\slider\\", .colourGroup = 4},
    {.name = "titlebar", .index = 5, .untouchedCopy = 16, .maskList = 5, .linkBox = ctl::chkTitlebarLink,
     .maskLabel = ctl::lblTitlebarMask, .folder = "\\PartsData\\titlebar\\", .colourGroup = 5, .mixRow = 4},
    {.name = "frame", .index = 6, .maskList = 6, .linkBox = ctl::chkFrameLink, .maskLabel = ctl::lblFrameMask,
     .folder = "\\PartsData\\frame\\", .mixRow = 5},
    {.name = "number", .index = 7, .folder = "\\PartsData\\number\\"},
    {.name = "text", .index = 8, .folder = "\\PartsData\\text\\"},
    {.name = "layer 1", .index = 9, .maskList = 7, .linkBox = ctl::chkLinkLayer1, .maskLabel = ctl::lblLayer1,
     .folder = "\\PartsData\\frame\\", .mixRow = 6},
    {.name = "layer 2", .index = 10, .maskList = 8, .linkBox = ctl::chkLinkLayer2, .maskLabel = ctl::lblLayer2,
     .folder = "\\PartsData\\frame\\", .mixRow = 7},
};
static_assert(std::size(kMainCategories) == 11, "eleven main-window part categories");

// One category of the equalizer: lstEQData(index), lstEQMask(index), picEQData(index),
// picEQMask(index), lblEQMask(index); its Mix-mode row optEQPelterra/optEQSeken is the index.
struct EqCategory {
    std::string_view name;
    int index;
    int untouchedCopy = kNone;  // picEQData index of the copy the colour change starts from
    ControlName linkBox;
    std::string_view folder;
    int colourGroup = kNone;
};

inline constexpr EqCategory kEqCategories[] = {
    {.name = "on/auto", .index = 0, .untouchedCopy = 7, .linkBox = ctl::chkOnAutoLink,
     .folder = "\\PartsData\\eq\\onauto\\", .colourGroup = 6},
    {.name = "frame", .index = 1, .linkBox = ctl::chkEQFrameLink, .folder = "\\PartsData\\eq\\frame\\"},
    {.name = "title bar", .index = 2, .untouchedCopy = 8, .linkBox = ctl::chkEQTitlebarLink,
     .folder = "\\PartsData\\eq\\bar\\", .colourGroup = 7},
    {.name = "image", .index = 3, .untouchedCopy = 9, .linkBox = ctl::chkImageLink,
     .folder = "\\PartsData\\eq\\image\\", .colourGroup = 8},
    {.name = "preset", .index = 4, .untouchedCopy = 10, .linkBox = ctl::chkPresetLink,
     .folder = "\\PartsData\\eq\\preset\\", .colourGroup = 9},
    {.name = "layer 1", .index = 5, .linkBox = ctl::chkLinkEQLayer1, .folder = "\\PartsData\\eq\\frame\\"},
    {.name = "layer 2", .index = 6, .linkBox = ctl::chkLinkEQLayer2, .folder = "\\PartsData\\eq\\frame\\"},
};
static_assert(std::size(kEqCategories) == 7, "seven equalizer part categories");

inline constexpr int kColourGroupCount = 10;  // hscR/hscG/hscB(0..9)
inline constexpr int kMixRowCount = 8;        // optPelterra(0..7), optEQPelterra(0..7)

// The category of an index, or nullptr.
constexpr const MainCategory* mainCategory(int index) {
    for (const MainCategory& c : kMainCategories)
        if (c.index == index) return &c;
    return nullptr;
}
constexpr const EqCategory* eqCategory(int index) {
    for (const EqCategory& c : kEqCategories)
        if (c.index == index) return &c;
    return nullptr;
}
// The category whose link box this is, or nullptr.
constexpr const MainCategory* mainCategoryOfLinkBox(ControlName linkBox) {
    for (const MainCategory& c : kMainCategories)
        if (!c.linkBox.empty() && c.linkBox == linkBox) return &c;
    return nullptr;
}
constexpr const EqCategory* eqCategoryOfLinkBox(ControlName linkBox) {
    for (const EqCategory& c : kEqCategories)
        if (c.linkBox == linkBox) return &c;
    return nullptr;
}

}  // namespace pelterra
