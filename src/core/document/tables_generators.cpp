// Slots and controls of the generators and the glyph colours: the frame maker frmMakeFrame, the
// slider maker FrmMakeSlider, the background base maker frmBackColor, the row-colour swatches
// and work images of the number and text pages of the main window, and the project name box.
//
// The frame maker's own gradient pictures are called picData and picMask in their window; in the
// document they carry the window's name (pic::frmMakeFramePicData) so that they never stand for the
// main window's picData(k) array.
#include <algorithm>
#include <array>
#include <iterator>

#include "colours/style_colours.h"
#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr SlotSpec kGeneratorSlots[] = {
    // frmMakeFrame
    {pic::picMakeFrameData, -1, -1, 275, 116},      // frame for Data, tab 1
    {pic::PicMakeFrameMask, -1, -1, 275, 116},      // frame for Mask, tab 1
    {pic::frmMakeFramePicData, -1, -1, 275, 116},  // Data gradient, tab 2
    {pic::frmMakeFramePicMask, -1, -1, 275, 116},  // Mask gradient, tab 2
    {pic::picBigData, -1, -1, 275, 232},            // tall gradient, tab 3
    // FrmMakeSlider: the slider part being made, the size of picData(4).
    {pic::SliderData, -1, -1, 59, 22},
    {pic::SliderMask, -1, -1, 59, 22},
    // frmBackColor: the strip is drawn in columns 0..12, rows 0..118; column 13 is read by the
    // sheet but never drawn.
    {pic::picSBase, -1, -1, 14, 119},
    {pic::picBack, -1, -1, 209, 130},
    // Row-colour work images of the glyph colours. PreTextMask is as wide as the text part so
    // that its last column (never painted by the row lines) still reaches picData(8).
    {pic::PreNumberMask, -1, -1, 108, 14},
    {pic::PreTextMask, -1, -1, 155, 18},
};
static_assert(std::size(kGeneratorSlots) == 11, "eleven generator and glyph pictures");

// First colours of the makers and the glyph rows, for a swatch the settings hold no value for:
// each maker draws something visible at once. A steel-blue bevel: light edge, normal rim, dark
// edge, body.
constexpr int kColour(int r, int g, int b) { return static_cast<int>(RGB(r, g, b)); }
constexpr Colour kFrameDataStart[] = {RGB(232, 236, 244), RGB(168, 176, 192), RGB(72, 80, 96), RGB(128, 136, 152)};
// The frame Mask: the rims cover the face, the body lets it show through.
constexpr Colour kFrameMaskStart[] = {kWhite, kWhite, kWhite, kBlack};
// The equalizer bar back colour: red at the top, yellow, green at the bottom, like the analyser.
constexpr Colour kBackColourStart[] = {RGB(240, 64, 32), RGB(232, 200, 48), RGB(48, 184, 64)};

constexpr ControlSpec kFrameMakerControls[] = {
    // 明るい色, 通常色, 暗い色, ボディー; then the same four for the Mask frame
    {.name = ctl::lbldata, .count = 4, .kind = ControlKind::Swatch, .startColours = kFrameDataStart},
    {.name = ctl::lblMask, .count = 4, .kind = ControlKind::Swatch, .startColours = kFrameMaskStart},
    // The gradients, top and bottom: a light-to-dark sheen, its Mask fading from cover to none,
    // and a sky for the tall picture.
    {ctl::lblDataGra1, 0, ControlKind::Swatch, kColour(200, 208, 224)},
    {ctl::lblDataGra2, 0, ControlKind::Swatch, kColour(88, 96, 120)},
    {ctl::lblMaskGra1, 0, ControlKind::Swatch, kColour(255, 255, 255)},
    {ctl::lblMaskGra2, 0, ControlKind::Swatch, kColour(0, 0, 0)},
    {ctl::lblBig1, 0, ControlKind::Swatch, kColour(176, 196, 224)},
    {ctl::lblBig2, 0, ControlKind::Swatch, kColour(40, 56, 88)},
    {ctl::Optframe, 1, ControlKind::Option, 1},  // 通常
    {.name = ctl::Optframe, .count = 2, .kind = ControlKind::Option, .initial = 0, .first = 1},  // 下無し, 上無し
    {ctl::optToData, 0, ControlKind::Option, 1},  // Dataへ転送
    {ctl::optToMask, 0, ControlKind::Option, 0},  // Maskへ転送
    {ctl::optMainUp, 0, ControlKind::Option, 1},  // Mainが上、EQが下
    {ctl::optEqUp, 0, ControlKind::Option, 0},    // EQが上、Mainが下
};

constexpr ControlSpec kSliderMakerControls[] = {
    // A raised steel knob (ハイライト, トップ, シャドウ, 枠) whose Mask covers the whole cell.
    {ctl::LblSliderDataHi, 0, ControlKind::Swatch, kColour(240, 244, 250)},
    {ctl::LblSliderDataTop, 0, ControlKind::Swatch, kColour(176, 184, 200)},
    {ctl::LblSliderDataShadow, 0, ControlKind::Swatch, kColour(88, 96, 112)},
    {ctl::LblSliderDataFrame, 0, ControlKind::Swatch, kColour(40, 44, 56)},
    {ctl::LblSliderMaskHi, 0, ControlKind::Swatch, kColour(255, 255, 255)},
    {ctl::LblSliderMaskTop, 0, ControlKind::Swatch, kColour(255, 255, 255)},
    {ctl::LblSliderMaskShadow, 0, ControlKind::Swatch, kColour(255, 255, 255)},
    {ctl::LblSliderMaskFrame, 0, ControlKind::Swatch, kColour(255, 255, 255)},
    {ctl::OpSliderOff, 0, ControlKind::Option, 1},  // 枠無し
    {ctl::OpSliderOn, 0, ControlKind::Option, 0},   // 枠あり
};

constexpr ControlSpec kBackColorControls[] = {
    {.name = ctl::lblcolor, .count = 3, .kind = ControlKind::Swatch, .startColours = kBackColourStart},  // Top, Middle, Bottom
};

constexpr ControlSpec kGlyphColourControls[] = {
    {.name = ctl::NumberColor, .count = 15, .kind = ControlKind::Swatch, .startColours = kClassicColours.numberRows},
    {.name = ctl::PicText, .count = 6, .kind = ControlKind::Swatch, .startColours = kClassicColours.textRows},
};

// The frame "プロジェクト保存" of the main window: the project folder's name.
constexpr ControlSpec kProjectControls[] = {
    {ctl::txtProject, 0, ControlKind::Text, 0, 0, 0, "Project"},
};

template <std::size_t... N>
constexpr auto joined(const ControlSpec (&... parts)[N]) {
    std::array<ControlSpec, (N + ...)> all{};
    std::size_t i = 0;
    ((std::copy(std::begin(parts), std::end(parts), all.begin() + i), i += N), ...);
    return all;
}

constexpr auto kGeneratorControls =
    joined(kFrameMakerControls, kSliderMakerControls, kBackColorControls, kGlyphColourControls, kProjectControls);

constexpr OptionGroupSpec kGeneratorOptionGroups[] = {
    {{{ctl::Optframe, 0}, {ctl::Optframe, 1}, {ctl::Optframe, 2}}, false},
    {{{ctl::optToData}, {ctl::optToMask}}, false},
    {{{ctl::optMainUp}, {ctl::optEqUp}}, false},
    {{{ctl::OpSliderOff}, {ctl::OpSliderOn}}, false},
};

}  // namespace

std::span<const SlotSpec> generatorSlots() { return kGeneratorSlots; }
std::span<const ControlSpec> generatorControls() { return kGeneratorControls; }
std::span<const ControlSpec> frameMakerControls() { return kFrameMakerControls; }
std::span<const ControlSpec> sliderMakerControls() { return kSliderMakerControls; }
std::span<const ControlSpec> backColorControls() { return kBackColorControls; }
std::span<const ControlSpec> glyphColourControls() { return kGlyphColourControls; }
std::span<const ControlSpec> projectControls() { return kProjectControls; }
std::span<const OptionGroupSpec> generatorOptionGroups() { return kGeneratorOptionGroups; }

}  // namespace pelterra::tables
