// Controls of the pages whose values become the skin's text files: "Pledit.txt" (pledit.txt),
// "Maron.txt" (maron.txt), "Viscolor" (viscolor.txt), and the file selection boxes of the save.
#include "document/tables.h"

#include <iterator>

#include "colours/style_colours.h"
#include "image/colour.h"

namespace pelterra::tables {

namespace {

constexpr int swatchValue(Colour c) { return static_cast<int>(c); }

constexpr ControlSpec kOutputControls[] = {
    // "Pledit.txt": the four playlist colours, the font and the two texts of the file, all of
    // the Classic set.
    {ctl::PicPleditNormal, 0, ControlKind::Swatch, swatchValue(kClassicColours.pleditNormal)},
    {ctl::PicPleditNormalBG, 0, ControlKind::Swatch, swatchValue(kClassicColours.pleditNormalBG)},
    {ctl::PicPleditSelectedBG, 0, ControlKind::Swatch, swatchValue(kClassicColours.pleditSelectedBG)},
    {ctl::PicPleditCurrent, 0, ControlKind::Swatch, swatchValue(kClassicColours.pleditCurrent)},
    {ctl::PleditFonts, 0, ControlKind::Text, 0, 0, 0, kClassicPleditFont},
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
    {.name = ctl::ViscolorBack, .count = 2, .kind = ControlKind::Swatch, .startColours = kClassicColours.visBack},
    {.name = ctl::ViscolorSpec, .count = 16, .kind = ControlKind::Swatch, .startColours = kClassicColours.visSpectrum},
    {.name = ctl::ViscolorOsc, .count = 5, .kind = ControlKind::Swatch, .startColours = kClassicColours.visScope},
    {ctl::ViscolorPeak, 0, ControlKind::Swatch, swatchValue(kClassicColours.visPeak)},
    // "Viscolor.txtを出力する": the table starts with the players' own colours, so the skin carries it.
    {ctl::ViscolorCheck, 0, ControlKind::Check, 1},
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
