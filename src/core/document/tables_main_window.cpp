// Slots and controls of the main window Form1: the part pages, the "Making" frame, the pic::Main
// page's faces and the save options of "環境設定".
#include "document/tables.h"

#include <iterator>

namespace pelterra::tables {

namespace {

constexpr SlotSpec kMainWindowSlots[] = {
    // Data slots and Mask slots of the main-window part categories.
    {pic::picData, 0, 0, 136, 36},    // cbuttons
    {pic::picData, 1, 1, 92, 85},     // shufrep
    {pic::picData, 2, 2, 58, 24},     // monoster
    {pic::picData, 3, 3, 42, 9},      // playpaus
    {pic::picData, 4, 4, 59, 22},     // slider
    {pic::picData, 5, 5, 344, 87},    // titlebar
    {pic::picData, 6, 6, 275, 116},   // frame
    {pic::picData, 7, 7, 108, 13},    // number
    {pic::picData, 8, 8, 155, 18},    // text
    {pic::picData, 9, 9, 275, 116},   // layer 1
    {pic::picData, 10, 10, 275, 116}, // layer 2
    // Untouched copies of the recoloured Data slots 0..5.
    {pic::picData, 11, 11, 136, 36},
    {pic::picData, 12, 12, 92, 85},
    {pic::picData, 13, 13, 58, 24},
    {pic::picData, 14, 14, 42, 9},
    {pic::picData, 15, 15, 59, 22},
    {pic::picData, 16, 16, 344, 87},
    {pic::picMask, 0, 0, 136, 36, kBlack},
    {pic::picMask, 1, 1, 92, 85, kBlack},
    {pic::picMask, 2, 2, 58, 33, kBlack},
    {pic::picMask, 3, 3, 42, 9, kBlack},
    {pic::picMask, 4, 4, 59, 22, kBlack},
    {pic::picMask, 5, 5, 344, 87, kBlack},
    {pic::picMask, 6, 6, 275, 116, kBlack},
    {pic::picMask, 7, 7, 117, 21, kBlack},
    {pic::picMask, 8, 8, 155, 18, kBlack},
    {pic::picMask, 9, 9, 275, 116, kBlack},
    {pic::picMask, 10, 10, 275, 116, kBlack},
    // Faces split from the base picture, and the backdrop.
    {pic::Picture1, -1, -1, 275, 116},
    {pic::Picture2, -1, -1, 275, 116},
    {pic::Picture3, -1, -1, 275, 116},
};

constexpr int kBarDesignMin = -128;
constexpr int kBarDesignMax = 127;

// The analyser lists of the "Maron.txt" page, written into maron.txt as the list index.
constexpr std::string_view kMaronAnalyzerModes[] = {"Normal", "Fire", "Lines"};
constexpr std::string_view kMaronBlendMethods[] = {"中間", "加算", "減算"};

constexpr ControlSpec kMainWindowControls[] = {
    {ctl::lstData, 11, ControlKind::List},
    // The style of the whole skin: one choice selects the style in every part list and gives the
    // style's digits, glyph colours, playlist colours and visualisation colours.
    {ctl::StyleCombo, 0, ControlKind::List},
    {ctl::lstMask, 9, ControlKind::List, 0, 0, 0, {}, false},  // shown by the link boxes
    // Link boxes "DataとMaskを別々に指定する".
    {ctl::chkCbuttonsLink, 0, ControlKind::Check},
    {ctl::chkShufrepLink, 0, ControlKind::Check},
    {ctl::chkMonosterLink, 0, ControlKind::Check},
    {ctl::chkPlaypausLink, 0, ControlKind::Check},
    {ctl::chkSliderLink, 0, ControlKind::Check},
    {ctl::chkTitlebarLink, 0, ControlKind::Check},
    {ctl::chkFrameLink, 0, ControlKind::Check},
    {ctl::chkLinkLayer1, 0, ControlKind::Check},
    {ctl::chkLinkLayer2, 0, ControlKind::Check},
    // "MaskList" labels, hidden with their mask lists.
    {ctl::lblCbuttonsMask, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblShufrepMask, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblMonosterMask, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblPlaypausMask, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblSliderMask, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblTitlebarMask, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblFrameMask, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblLayer1, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    {ctl::lblLayer2, 0, ControlKind::Text, 0, 0, 0, "MaskList", false},
    // Make boxes: the page box and its twin in the "Making" frame (Frames(7)). The equalizer
    // pieces' boxes are declared with the equalizer pages; all fourteen pairs are listed below.
    {ctl::CbuttonsCheck, 0, ControlKind::Check}, {ctl::CbuttonsCheck2, 0, ControlKind::Check},
    {ctl::ShufrepCheck, 0, ControlKind::Check},  {ctl::ShufrepCheck2, 0, ControlKind::Check},
    {ctl::MonosterCheck, 0, ControlKind::Check}, {ctl::MonosterCheck2, 0, ControlKind::Check},
    {ctl::PlaypausCheck, 0, ControlKind::Check}, {ctl::PlaypausCheck2, 0, ControlKind::Check},
    {ctl::PosbarCheck, 0, ControlKind::Check},   {ctl::PosbarCheck2, 0, ControlKind::Check},
    {ctl::VolumeCheck, 0, ControlKind::Check},   {ctl::VolumeCheck2, 0, ControlKind::Check},
    {ctl::BalanceCheck, 0, ControlKind::Check},  {ctl::BalanceCheck2, 0, ControlKind::Check},
    {ctl::FrameCheck, 0, ControlKind::Check},    {ctl::FrameCheck2, 0, ControlKind::Check},
    {ctl::TitleBarCheck, 0, ControlKind::Check}, {ctl::TitleBarCheck2, 0, ControlKind::Check},
    // Colour-shift groups "色補正" and their value labels. The window is designed with -128..127;
    // start-up widens the bars to -256..256.
    {ctl::hscR, 10, ControlKind::Scroll, 0, kBarDesignMin, kBarDesignMax},
    {ctl::hscG, 10, ControlKind::Scroll, 0, kBarDesignMin, kBarDesignMax},
    {ctl::hscB, 10, ControlKind::Scroll, 0, kBarDesignMin, kBarDesignMax},
    {ctl::lblRed, 10, ControlKind::Text, 0, 0, 0, "0"},
    {ctl::lblGreen, 10, ControlKind::Text, 0, 0, 0, "0"},
    {ctl::lblBlue, 10, ControlKind::Text, 0, 0, 0, "0"},
    // Page "Main": the combined-picture boxes.
    {ctl::chkSkinMode, 0, ControlKind::Check},                        // "EQも出力"
    {ctl::EqUporDown, 0, ControlKind::Check, 0, 0, 0, {}, false, false},  // "EQが下"
    // Save options of "環境設定".
    {ctl::chkASP, 0, ControlKind::Check},
    {ctl::chkPLFont, 0, ControlKind::Check},
    {ctl::SaveOp1, 0, ControlKind::Option, 1},
    {ctl::SaveOp2, 0, ControlKind::Option, 0},
    {ctl::optSaveOp1, 0, ControlKind::Option, 1},
    {ctl::optSaveOp2, 0, ControlKind::Option, 0},
    {ctl::ZipCheck, 0, ControlKind::Check},
    // The archive's suffix: ".wsz", which players and file managers know as a skin, or ".zip".
    // The document starts with ".zip"; the desktop program's settings start a new user on ".wsz".
    {ctl::ArchiveWsz, 0, ControlKind::Check, 0},
    // Ask before a save replaces a skin folder or archive that is already there.
    {ctl::AskBeforeReplacing, 0, ControlKind::Check, 1},
    {ctl::SaveDirText, 0, ControlKind::Text},
    {ctl::txtSaveFolda, 0, ControlKind::Text, 0, 0, 0, "NoTitle"},
    // Page "Maron.txt": the two drop-down lists (the first entries are selected at start-up).
    {.name = ctl::MaronCombo1, .kind = ControlKind::List, .items = kMaronAnalyzerModes},
    {.name = ctl::MaronCombo2, .kind = ControlKind::List, .items = kMaronBlendMethods},
};

// Both boxes of every make flag, in the order the CheckTimer tick brings them into step.
constexpr TwinCheckSpec kMakeBoxPairs[] = {
    {ctl::EQCheck, ctl::EQCheck2},            // equalizer title bar
    {ctl::PresetCheck, ctl::PresetCheck2},    // equalizer preset
    {ctl::EQFrameCheck, ctl::EQFrameCheck2},  // equalizer frame
    {ctl::ImageCheck, ctl::ImageCheck2},      // equalizer image
    {ctl::OnAutoCheck, ctl::OnAutoCheck2},    // equalizer on/auto
    {ctl::TitleBarCheck, ctl::TitleBarCheck2},
    {ctl::FrameCheck, ctl::FrameCheck2},
    {ctl::CbuttonsCheck, ctl::CbuttonsCheck2},
    {ctl::ShufrepCheck, ctl::ShufrepCheck2},
    {ctl::MonosterCheck, ctl::MonosterCheck2},
    {ctl::PlaypausCheck, ctl::PlaypausCheck2},
    {ctl::PosbarCheck, ctl::PosbarCheck2},
    {ctl::VolumeCheck, ctl::VolumeCheck2},
    {ctl::BalanceCheck, ctl::BalanceCheck2},
};
static_assert(std::size(kMakeBoxPairs) == 14, "fourteen output pieces have a make flag");

}  // namespace

std::span<const SlotSpec> mainWindowSlots() { return kMainWindowSlots; }
std::span<const ControlSpec> mainWindowControls() { return kMainWindowControls; }
std::span<const TwinCheckSpec> twinCheckBoxes() { return kMakeBoxPairs; }

}  // namespace pelterra::tables
