// Slots and controls of the main window Form1: the part pages, the "Making" frame, the "Main"
// page's faces and the save options of "環境設定".
#include "document/tables.h"

#include <iterator>

namespace pelterra::tables {

namespace {

constexpr SlotSpec kMainWindowSlots[] = {
    // Data slots and Mask slots of the main-window part categories.
    {"picData", 0, 0, 136, 36},    // cbuttons
    {"picData", 1, 1, 92, 85},     // shufrep
    {"picData", 2, 2, 58, 24},     // monoster
    {"picData", 3, 3, 42, 9},      // playpaus
    {"picData", 4, 4, 59, 22},     // slider
    {"picData", 5, 5, 344, 87},    // titlebar
    {"picData", 6, 6, 275, 116},   // frame
    {"picData", 7, 7, 108, 13},    // number
    {"picData", 8, 8, 155, 18},    // text
    {"picData", 9, 9, 275, 116},   // layer 1
    {"picData", 10, 10, 275, 116}, // layer 2
    // Untouched copies of the recoloured Data slots 0..5.
    {"picData", 11, 11, 136, 36},
    {"picData", 12, 12, 92, 85},
    {"picData", 13, 13, 58, 24},
    {"picData", 14, 14, 42, 9},
    {"picData", 15, 15, 59, 22},
    {"picData", 16, 16, 344, 87},
    {"picMask", 0, 0, 136, 36},
    {"picMask", 1, 1, 92, 85},
    {"picMask", 2, 2, 58, 33},
    {"picMask", 3, 3, 42, 9},
    {"picMask", 4, 4, 59, 22},
    {"picMask", 5, 5, 344, 87},
    {"picMask", 6, 6, 275, 116},
    {"picMask", 7, 7, 117, 21},
    {"picMask", 8, 8, 155, 18},
    {"picMask", 9, 9, 275, 116},
    {"picMask", 10, 10, 275, 116},
    // Faces split from the base picture, and the backdrop.
    {"Picture1", -1, -1, 275, 116},
    {"Picture2", -1, -1, 275, 116},
    {"Picture3", -1, -1, 275, 116},
};

constexpr int kBarDesignMin = -128;
constexpr int kBarDesignMax = 127;

// The analyser lists of the "Maron.txt" page, written into maron.txt as the list index.
constexpr std::string_view kMaronAnalyzerModes[] = {"Normal", "Fire", "Lines"};
constexpr std::string_view kMaronBlendMethods[] = {"中間", "加算", "減算"};

constexpr ControlSpec kMainWindowControls[] = {
    {"lstData", 11, ControlKind::List},
    {"lstMask", 9, ControlKind::List, 0, 0, 0, {}, false},  // shown by the link boxes
    // Link boxes "DataとMaskを別々に指定する".
    {"chkCbuttonsLink", 0, ControlKind::Check},
    {"chkShufrepLink", 0, ControlKind::Check},
    {"chkMonosterLink", 0, ControlKind::Check},
    {"chkPlaypausLink", 0, ControlKind::Check},
    {"chkSliderLink", 0, ControlKind::Check},
    {"chkTitlebarLink", 0, ControlKind::Check},
    {"chkFrameLink", 0, ControlKind::Check},
    {"chkLinkLayer1", 0, ControlKind::Check},
    {"chkLinkLayer2", 0, ControlKind::Check},
    // "MaskList" labels, hidden with their mask lists.
    {"lblCbuttonsMask", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblShufrepMask", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblMonosterMask", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblPlaypausMask", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblSliderMask", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblTitlebarMask", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblFrameMask", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblLayer1", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {"lblLayer2", 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    // Make boxes: the page box and its twin in the "Making" frame (Frames(7)). The equalizer
    // pieces' boxes are declared with the equalizer pages; all fourteen pairs are listed below.
    {"CbuttonsCheck", 0, ControlKind::Check}, {"CbuttonsCheck2", 0, ControlKind::Check},
    {"ShufrepCheck", 0, ControlKind::Check},  {"ShufrepCheck2", 0, ControlKind::Check},
    {"MonosterCheck", 0, ControlKind::Check}, {"MonosterCheck2", 0, ControlKind::Check},
    {"PlaypausCheck", 0, ControlKind::Check}, {"PlaypausCheck2", 0, ControlKind::Check},
    {"PosbarCheck", 0, ControlKind::Check},   {"PosbarCheck2", 0, ControlKind::Check},
    {"VolumeCheck", 0, ControlKind::Check},   {"VolumeCheck2", 0, ControlKind::Check},
    {"BalanceCheck", 0, ControlKind::Check},  {"BalanceCheck2", 0, ControlKind::Check},
    {"FrameCheck", 0, ControlKind::Check},    {"FrameCheck2", 0, ControlKind::Check},
    {"TitleBarCheck", 0, ControlKind::Check}, {"TitleBarCheck2", 0, ControlKind::Check},
    // Colour-shift groups "色補正" and their value labels. The window is designed with -128..127;
    // start-up widens the bars to -256..256.
    {"hscR", 10, ControlKind::Scroll, 0, kBarDesignMin, kBarDesignMax},
    {"hscG", 10, ControlKind::Scroll, 0, kBarDesignMin, kBarDesignMax},
    {"hscB", 10, ControlKind::Scroll, 0, kBarDesignMin, kBarDesignMax},
    {"lblRed", 10, ControlKind::Text, 0, 0, 0, "0"},
    {"lblGreen", 10, ControlKind::Text, 0, 0, 0, "0"},
    {"lblBlue", 10, ControlKind::Text, 0, 0, 0, "0"},
    // Page "Main": the combined-picture boxes.
    {"chkSkinMode", 0, ControlKind::Check},                        // "EQも出力"
    {"EqUporDown", 0, ControlKind::Check, 0, 0, 0, {}, false, false},  // "EQが下"
    // Save options of "環境設定".
    {"chkASP", 0, ControlKind::Check},
    {"chkPLFont", 0, ControlKind::Check},
    {"SaveOp1", 0, ControlKind::Option, 1},
    {"SaveOp2", 0, ControlKind::Option, 0},
    {"optSaveOp1", 0, ControlKind::Option, 1},
    {"optSaveOp2", 0, ControlKind::Option, 0},
    {"ZipCheck", 0, ControlKind::Check},
    {"SaveDirText", 0, ControlKind::Text},
    {"txtSaveFolda", 0, ControlKind::Text, 0, 0, 0, "NoTitle"},
    // Page "Maron.txt": the two drop-down lists (the first entries are selected at start-up).
    {.name = "MaronCombo1", .kind = ControlKind::List, .items = kMaronAnalyzerModes},
    {.name = "MaronCombo2", .kind = ControlKind::List, .items = kMaronBlendMethods},
};

// Both boxes of every make flag, in the order the CheckTimer tick brings them into step.
constexpr TwinCheckSpec kMakeBoxPairs[] = {
    {"EQCheck", "EQCheck2"},            // equalizer title bar
    {"PresetCheck", "PresetCheck2"},    // equalizer preset
    {"EQFrameCheck", "EQFrameCheck2"},  // equalizer frame
    {"ImageCheck", "ImageCheck2"},      // equalizer image
    {"OnAutoCheck", "OnAutoCheck2"},    // equalizer on/auto
    {"TitleBarCheck", "TitleBarCheck2"},
    {"FrameCheck", "FrameCheck2"},
    {"CbuttonsCheck", "CbuttonsCheck2"},
    {"ShufrepCheck", "ShufrepCheck2"},
    {"MonosterCheck", "MonosterCheck2"},
    {"PlaypausCheck", "PlaypausCheck2"},
    {"PosbarCheck", "PosbarCheck2"},
    {"VolumeCheck", "VolumeCheck2"},
    {"BalanceCheck", "BalanceCheck2"},
};
static_assert(std::size(kMakeBoxPairs) == 14, "fourteen output pieces have a make flag");

}  // namespace

std::span<const SlotSpec> mainWindowSlots() { return kMainWindowSlots; }
std::span<const ControlSpec> mainWindowControls() { return kMainWindowControls; }
std::span<const TwinCheckSpec> twinCheckBoxes() { return kMakeBoxPairs; }

}  // namespace pelterra::tables
