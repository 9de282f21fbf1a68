// The part categories of the main window and of the equalizer, one table per window, one row per
// category with every fact about it: its index (which names the data list, the Data and Mask
// slots), the untouched copy the colour change starts from, the mask list and its link box, the
// library folder, the colour-shift group and the Mix-mode row. The part commands, the colour
// change, the Mix modes, start-up and the windows all read these two tables.
#pragma once

#include <iterator>
#include <string_view>

namespace pelterra {

inline constexpr int kNone = -1;

// One category of the main window: lstData(index), picData(index), picMask(index).
struct MainCategory {
    std::string_view name;
    int index;
    int untouchedCopy = kNone;   // picData index of the copy the colour change starts from
    int maskList = kNone;        // lstMask index; none for number and text, which load one file
    std::string_view linkBox = {};    // "DataとMaskを別々に指定する"; empty without a mask list
    std::string_view maskLabel = {};  // the "MaskList" label shown with the mask list
    std::string_view folder = {};     // below the program's folder, with a trailing backslash
    int colourGroup = kNone;     // hscR/hscG/hscB(i)
    int mixRow = kNone;          // optPelterra(k) / optSeken(k)
};

inline constexpr MainCategory kMainCategories[] = {
    {.name = "cbuttons", .index = 0, .untouchedCopy = 11, .maskList = 0, .linkBox = "chkCbuttonsLink",
     .maskLabel = "lblCbuttonsMask", .folder = "\\PartsData\\cbuttons\\", .colourGroup = 0, .mixRow = 0},
    {.name = "shufrep", .index = 1, .untouchedCopy = 12, .maskList = 1, .linkBox = "chkShufrepLink",
     .maskLabel = "lblShufrepMask", .folder = "\\PartsData\\shufrep\\", .colourGroup = 1, .mixRow = 1},
    {.name = "monoster", .index = 2, .untouchedCopy = 13, .maskList = 2, .linkBox = "chkMonosterLink",
     .maskLabel = "lblMonosterMask", .folder = "\\PartsData\\monoster\\", .colourGroup = 2, .mixRow = 2},
    {.name = "playpaus", .index = 3, .untouchedCopy = 14, .maskList = 3, .linkBox = "chkPlaypausLink",
     .maskLabel = "lblPlaypausMask", .folder = "\\PartsData\\playpaus\\", .colourGroup = 3, .mixRow = 3},
    {.name = "slider", .index = 4, .untouchedCopy = 15, .maskList = 4, .linkBox = "chkSliderLink",
     .maskLabel = "lblSliderMask", .folder = "\\PartsData\\slider\\", .colourGroup = 4},
    {.name = "titlebar", .index = 5, .untouchedCopy = 16, .maskList = 5, .linkBox = "chkTitlebarLink",
     .maskLabel = "lblTitlebarMask", .folder = "\\PartsData\\titlebar\\", .colourGroup = 5, .mixRow = 4},
    {.name = "frame", .index = 6, .maskList = 6, .linkBox = "chkFrameLink", .maskLabel = "lblFrameMask",
     .folder = "\\PartsData\\frame\\", .mixRow = 5},
    {.name = "number", .index = 7, .folder = "\\PartsData\\number\\"},
    {.name = "text", .index = 8, .folder = "\\PartsData\\text\\"},
    {.name = "layer 1", .index = 9, .maskList = 7, .linkBox = "chkLinkLayer1", .maskLabel = "lblLayer1",
     .folder = "\\PartsData\\frame\\", .mixRow = 6},
    {.name = "layer 2", .index = 10, .maskList = 8, .linkBox = "chkLinkLayer2", .maskLabel = "lblLayer2",
     .folder = "\\PartsData\\frame\\", .mixRow = 7},
};
static_assert(std::size(kMainCategories) == 11, "eleven main-window part categories");

// One category of the equalizer: lstEQData(index), lstEQMask(index), picEQData(index),
// picEQMask(index), lblEQMask(index); its Mix-mode row optEQPelterra/optEQSeken is the index.
struct EqCategory {
    std::string_view name;
    int index;
    int untouchedCopy = kNone;  // picEQData index of the copy the colour change starts from
    std::string_view linkBox;
    std::string_view folder;
    int colourGroup = kNone;
};

inline constexpr EqCategory kEqCategories[] = {
    {.name = "on/auto", .index = 0, .untouchedCopy = 7, .linkBox = "chkOnAutoLink",
     .folder = "\\PartsData\\eq\\onauto\\", .colourGroup = 6},
    {.name = "frame", .index = 1, .linkBox = "chkEQFrameLink", .folder = "\\PartsData\\eq\\frame\\"},
    {.name = "title bar", .index = 2, .untouchedCopy = 8, .linkBox = "chkEQTitlebarLink",
     .folder = "\\PartsData\\eq\\bar\\", .colourGroup = 7},
    {.name = "image", .index = 3, .untouchedCopy = 9, .linkBox = "chkImageLink",
     .folder = "\\PartsData\\eq\\image\\", .colourGroup = 8},
    {.name = "preset", .index = 4, .untouchedCopy = 10, .linkBox = "chkPresetLink",
     .folder = "\\PartsData\\eq\\preset\\", .colourGroup = 9},
    {.name = "layer 1", .index = 5, .linkBox = "chkLinkEQLayer1", .folder = "\\PartsData\\eq\\frame\\"},
    {.name = "layer 2", .index = 6, .linkBox = "chkLinkEQLayer2", .folder = "\\PartsData\\eq\\frame\\"},
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
constexpr const MainCategory* mainCategoryOfLinkBox(std::string_view linkBox) {
    for (const MainCategory& c : kMainCategories)
        if (!c.linkBox.empty() && c.linkBox == linkBox) return &c;
    return nullptr;
}
constexpr const EqCategory* eqCategoryOfLinkBox(std::string_view linkBox) {
    for (const EqCategory& c : kEqCategories)
        if (c.linkBox == linkBox) return &c;
    return nullptr;
}

}  // namespace pelterra
