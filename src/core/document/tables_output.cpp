// Controls of the pages whose values become the skin's text files: "Pledit.txt" (pledit.txt),
// "Maron.txt" (maron.txt), "Viscolor" (viscolor.txt), and the file selection boxes of the save.
#include "document/tables.h"

#include "image/colour.h"

namespace pelterra::tables {

namespace {

constexpr int kColour(int r, int g, int b) { return static_cast<int>(RGB(r, g, b)); }

constexpr ControlSpec kOutputControls[] = {
    // "Pledit.txt": the four playlist colours, the font and the two texts of the file.
    {ctl::PicPleditNormal, 0, ControlKind::Swatch, kColour(0x00, 0xC0, 0x00)},
    {ctl::PicPleditNormalBG, 0, ControlKind::Swatch, kColour(0x00, 0x00, 0x00)},
    {ctl::PicPleditSelectedBG, 0, ControlKind::Swatch, kColour(0x00, 0x00, 0xC0)},
    {ctl::PicPleditCurrent, 0, ControlKind::Swatch, kColour(0xFF, 0xFF, 0xFF)},
    {ctl::PleditFonts, 0, ControlKind::Text},
    {ctl::Text1, 0, ControlKind::Text},
    {ctl::Text2, 0, ControlKind::Text},
    {ctl::PleditCheck, 0, ControlKind::Check, 1},  // "Pledit.txtを出力する"
    // "Maron.txt".
    // (MaronCombo1 and MaronCombo2 are with the main window's lists.)
    {ctl::MaronText, 0, ControlKind::Text, 0, 0, 0, "50"},
    {ctl::MaronVScroll, 0, ControlKind::Scroll, 50, 0, 100},
    {ctl::MaronCheck1, 0, ControlKind::Check},  // "スペアナの表示を有効にする"
    {ctl::MaronCheck2, 0, ControlKind::Check},  // "ピーク表示を有効にする"
    {ctl::MaronCheck3, 0, ControlKind::Check},  // "レイン表示"
    {ctl::MaronCheck, 0, ControlKind::Check},   // "Maron.txtを出力する"
    // "Viscolor": the 24 colours of viscolor.txt.
    {ctl::ViscolorBack, 2, ControlKind::Swatch},
    {ctl::ViscolorSpec, 16, ControlKind::Swatch},
    {ctl::ViscolorOsc, 5, ControlKind::Swatch},
    {ctl::ViscolorPeak, 0, ControlKind::Swatch},
    // "Viscolor.txtを出力する": off until the user sets colours; every swatch starts black, and an
    // all-black table would hide the visualisation (players use their own colours without it).
    {ctl::ViscolorCheck, 0, ControlKind::Check, 0},
    // "Region.txtを出力する": unchecked and disabled until a region picture has been traced.
    {ctl::RegionCheck, 0, ControlKind::Check, 0, 0, 0, {}, true, false},
    // PreViewForm's destination line.
    {ctl::Label2, 0, ControlKind::Text},
};

constexpr SlotSpec kOutputSlots[] = {
    {pic::PreView, -1, -1, 275, 116},     // main-window mock-up
    {pic::EQPreView, -1, -1, 275, 116},   // equalizer mock-up
    {pic::PreViewPL, -1, -1, 280, 186},   // PreViewForm.picPL, the playlist sheet
};

}  // namespace

std::span<const ControlSpec> outputControls() { return kOutputControls; }
std::span<const SlotSpec> outputSlots() { return kOutputSlots; }

}  // namespace pelterra::tables
