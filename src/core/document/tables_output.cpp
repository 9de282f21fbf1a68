// Controls of the pages whose values become the skin's text files: "Pledit.txt" (pledit.txt),
// "Maron.txt" (maron.txt), "Viscolor" (viscolor.txt), and the file selection boxes of the save.
#include "document/tables.h"

#include <iterator>

#include "image/colour.h"

namespace pelterra::tables {

namespace {

constexpr int kColour(int r, int g, int b) { return static_cast<int>(RGB(r, g, b)); }

// The visualisation table players ship as their default viscolor.txt, so that a skin whose
// colours nobody chose still shows the usual analyser and scope. Lines 1 and 2: background and
// grid dots.
constexpr Colour kViscolorBackStart[] = {
    RGB(0, 0, 0),
    RGB(24, 33, 41),
};
// Lines 3..18: the analyser bars from the top (red) through orange and yellow to the bottom (green).
constexpr Colour kViscolorSpecStart[] = {
    RGB(239, 49, 16),  RGB(206, 41, 16),  RGB(214, 90, 0),   RGB(214, 102, 0),
    RGB(214, 115, 0),  RGB(198, 123, 8),  RGB(222, 165, 24), RGB(214, 181, 33),
    RGB(189, 222, 41), RGB(148, 222, 33), RGB(41, 206, 16),  RGB(50, 190, 16),
    RGB(57, 181, 16),  RGB(49, 156, 8),   RGB(41, 148, 0),   RGB(24, 132, 8),
};
// Lines 19..23: the oscilloscope from its brightest to its dimmest grey.
constexpr Colour kViscolorOscStart[] = {
    RGB(255, 255, 255), RGB(214, 214, 222), RGB(181, 189, 189), RGB(160, 170, 175), RGB(148, 156, 165),
};
// Line 24: the analyser's peak dots.
constexpr int kViscolorPeakStart = kColour(150, 150, 150);
static_assert(std::size(kViscolorBackStart) == 2 && std::size(kViscolorSpecStart) == 16 &&
              std::size(kViscolorOscStart) == 5);

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
    {.name = ctl::ViscolorBack, .count = 2, .kind = ControlKind::Swatch, .startColours = kViscolorBackStart},
    {.name = ctl::ViscolorSpec, .count = 16, .kind = ControlKind::Swatch, .startColours = kViscolorSpecStart},
    {.name = ctl::ViscolorOsc, .count = 5, .kind = ControlKind::Swatch, .startColours = kViscolorOscStart},
    {ctl::ViscolorPeak, 0, ControlKind::Swatch, kViscolorPeakStart},
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
