// Slots and controls of the equalizer pages (EQFrame(0..9)): the equalizer part slots
// and lists, the slider and back colour, the two equalizer faces, the Easy import page, the
// faces split from a combined picture and the picture-size dialog HowForm.
#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr SlotSpec kEqualizerSlots[] = {
    // Data and Mask slots of the seven equalizer part positions.
    {pic::picEQData, 0, 0, 235, 12},   // on/auto buttons, four 59-pixel cells
    {pic::picEQData, 1, 1, 275, 116},  // frame
    {pic::picEQData, 2, 2, 275, 47},   // title bar: small buttons, active and inactive bar
    {pic::picEQData, 3, 3, 116, 21},   // image (graph background and preamp line)
    {pic::picEQData, 4, 4, 44, 25},    // preset button, two 44x12 cells
    {pic::picEQData, 5, 5, 275, 116},  // layer 1
    {pic::picEQData, 6, 6, 275, 116},  // layer 2
    // Untouched copies of the recoloured slots 0, 2, 3 and 4.
    {pic::picEQData, 7, 7, 235, 12},
    {pic::picEQData, 8, 8, 275, 47},
    {pic::picEQData, 9, 9, 116, 21},
    {pic::picEQData, 10, 10, 44, 25},
    {pic::picEQMask, 0, 0, 235, 12, kBlack},
    {pic::picEQMask, 1, 1, 275, 116, kBlack},
    {pic::picEQMask, 2, 2, 275, 47, kBlack},
    {pic::picEQMask, 3, 3, 116, 21, kBlack},
    {pic::picEQMask, 4, 4, 44, 25, kBlack},
    {pic::picEQMask, 5, 5, 275, 116, kBlack},
    {pic::picEQMask, 6, 6, 275, 116, kBlack},
    // The two equalizer faces: "こっちを使う" (from the base picture) and "これを使う".
    {pic::PreEQMainData, -1, -1, 275, 116},
    {pic::PreEQMainData2, -1, -1, 275, 116},
    // Playlist source pictures: 0 from the base picture, 1 opened for the playlist alone.
    {pic::picPrePLmain, 0, 1, 275, 116},
    // Slider graphic and mask: the knob strip (0,0) 13x60 and the bar image (13,0) 14x63 are
    // read from them; the size is that of the slider rows of eqmain.bmp, (0,164) 222x128.
    {pic::PreSliderData, -1, -1, 222, 128},
    {pic::PreSliderMask, -1, -1, 222, 128},
    // Slider back colour: the size of the back-colour sheet the Background base maker hands over.
    {pic::EQSliderBackColor, -1, -1, 209, 130},
    // Easy import picture: held at the chosen picture's own size, empty until one is chosen.
    {pic::PreEasyImage, -1, -1, 0, 0},
    {pic::PreEasyData, -1, -1, 0, 0},
};
static_assert(std::size(kEqualizerSlots) == 26);

constexpr ControlSpec kEqualizerControls[] = {
    // Data lists and mask lists; a mask list and its "MaskList" label show with the link box.
    {ctl::lstEQData, 7, ControlKind::List},
    {ctl::lstEQMask, 7, ControlKind::List, 0, 0, 0, {}, false},
    {ctl::lblEQMask, 7, ControlKind::Text, 0, 0, 0, "MaskList", false},
    // Link boxes "DataとMaskを別々に指定する", slots 0..6.
    {ctl::chkOnAutoLink, 0, ControlKind::Check},
    {ctl::chkEQFrameLink, 0, ControlKind::Check},
    {ctl::chkEQTitlebarLink, 0, ControlKind::Check},
    {ctl::chkImageLink, 0, ControlKind::Check},
    {ctl::chkPresetLink, 0, ControlKind::Check},
    {ctl::chkLinkEQLayer1, 0, ControlKind::Check},
    {ctl::chkLinkEQLayer2, 0, ControlKind::Check},
    // Include boxes of the equalizer page; the first five are make flags with a twin in fraEqCheck.
    {ctl::OnAutoCheck, 0, ControlKind::Check},  {ctl::OnAutoCheck2, 0, ControlKind::Check},   // "on,auto" / "On Auto"
    {ctl::EQFrameCheck, 0, ControlKind::Check}, {ctl::EQFrameCheck2, 0, ControlKind::Check},  // "Frame" / "EQ Frame"
    {ctl::EQCheck, 0, ControlKind::Check},      {ctl::EQCheck2, 0, ControlKind::Check},       // "Titlebar" / "EQ Titlebar"
    {ctl::ImageCheck, 0, ControlKind::Check},   {ctl::ImageCheck2, 0, ControlKind::Check},    // "Image"
    {ctl::PresetCheck, 0, ControlKind::Check},  {ctl::PresetCheck2, 0, ControlKind::Check},   // "Preset"
    {ctl::chkEQLayer1, 0, ControlKind::Check},  // "Layer1"
    {ctl::chkEQLayer2, 0, ControlKind::Check},  // "Layer2"
    // "EQ Slider": shows the frame fraEqCheck with the second include boxes.
    {ctl::EQModeCheck, 0, ControlKind::Check},
    {ctl::fraEqCheck, 0, ControlKind::Text, 0, 0, 0, {}, false},
    {ctl::chkEQOnly, 0, ControlKind::Check},     // "EQ部分だけ出力する"
    {ctl::UseSliderBack, 0, ControlKind::Check}, // "BackColorを合成する"
    // Which face the equalizer is built on: "こっちを使う" / "これを使う".
    {ctl::OpEqMain1, 0, ControlKind::Option, 1},
    {ctl::OpEqMain2, 0, ControlKind::Option, 0},
    // Slider page and Easy import page.
    {ctl::SliderCombo, 0, ControlKind::List},
    {ctl::BackColorCombo, 0, ControlKind::List},
    {ctl::EasyCombo, 0, ControlKind::List},
    {ctl::EasyEQMainCheck, 0, ControlKind::Check},  // "EQ Main"
    {ctl::EasySliderCheck, 0, ControlKind::Check},  // "ボタン"
    {ctl::EasyOnAutoCheck, 0, ControlKind::Check},  // "On,Auto"
    {ctl::EasyPresetCheck, 0, ControlKind::Check},  // "Preset"
    {ctl::EasyImageCheck, 0, ControlKind::Check},   // "Image"
    {ctl::EasyEQCheck, 0, ControlKind::Check},      // "TitleBar"
    {ctl::EasyEQFrameCheck, 0, ControlKind::Check, 0, 0, 0, {}, false},  // "EQ Frame", hidden, unread
    // HowForm: the hidden label that carries the last answer as one digit.
    {ctl::Syori, 0, ControlKind::Text, 0, 0, 0, "0"},
    // Visibility of the slot Picture2 on the "Main" page: shown after a combined import.
    {ctl::Picture2, 0, ControlKind::Text, 0, 0, 0, {}, false},
};

}  // namespace

std::span<const SlotSpec> equalizerSlots() { return kEqualizerSlots; }
std::span<const ControlSpec> equalizerControls() { return kEqualizerControls; }

}  // namespace pelterra::tables
