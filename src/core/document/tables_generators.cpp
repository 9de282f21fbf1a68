// Slots and controls of the generators and the glyph colours: the frame maker frmMakeFrame, the
// slider maker FrmMakeSlider, the background base maker frmBackColor, the row-colour swatches
// and work images of the number and text pages of the main window, and the project name box.
//
// The frame maker's own gradient pictures are called picData and picMask in their window; in the
// document they carry the window's name ("frmMakeFrame.picData") so that they never stand for the
// main window's picData(k) array.
#include <algorithm>
#include <array>
#include <iterator>

#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr SlotSpec kGeneratorSlots[] = {
    // frmMakeFrame
    {"picMakeFrameData", -1, -1, 275, 116},      // frame for Data, tab 1
    {"PicMakeFrameMask", -1, -1, 275, 116},      // frame for Mask, tab 1
    {"frmMakeFrame.picData", -1, -1, 275, 116},  // Data gradient, tab 2
    {"frmMakeFrame.picMask", -1, -1, 275, 116},  // Mask gradient, tab 2
    {"picBigData", -1, -1, 275, 232},            // tall gradient, tab 3
    // FrmMakeSlider: the slider part being made, the size of picData(4).
    {"SliderData", -1, -1, 59, 22},
    {"SliderMask", -1, -1, 59, 22},
    // frmBackColor: the strip is drawn in columns 0..12, rows 0..118; column 13 is read by the
    // sheet but never drawn.
    {"picSBase", -1, -1, 14, 119},
    {"picBack", -1, -1, 209, 130},
    // Row-colour work images of the glyph colours. PreTextMask is as wide as the text part so
    // that its last column (never painted by the row lines) still reaches picData(8).
    {"PreNumberMask", -1, -1, 108, 14},
    {"PreTextMask", -1, -1, 155, 18},
};
static_assert(std::size(kGeneratorSlots) == 11, "eleven generator and glyph pictures");

constexpr ControlSpec kFrameMakerControls[] = {
    {"lbldata", 4, ControlKind::Swatch},   // 明るい色, 通常色, 暗い色, ボディー
    {"lblMask", 4, ControlKind::Swatch},   // the same four for the Mask frame
    {"lblDataGra1", 0, ControlKind::Swatch},
    {"lblDataGra2", 0, ControlKind::Swatch},
    {"lblMaskGra1", 0, ControlKind::Swatch},
    {"lblMaskGra2", 0, ControlKind::Swatch},
    {"lblBig1", 0, ControlKind::Swatch},
    {"lblBig2", 0, ControlKind::Swatch},
    {"Optframe", 1, ControlKind::Option, 1},  // 通常
    {.name = "Optframe", .count = 2, .kind = ControlKind::Option, .initial = 0, .first = 1},  // 下無し, 上無し
    {"optToData", 0, ControlKind::Option, 1},  // Dataへ転送
    {"optToMask", 0, ControlKind::Option, 0},  // Maskへ転送
    {"optMainUp", 0, ControlKind::Option, 1},  // Mainが上、EQが下
    {"optEqUp", 0, ControlKind::Option, 0},    // EQが上、Mainが下
};

constexpr ControlSpec kSliderMakerControls[] = {
    {"LblSliderDataHi", 0, ControlKind::Swatch},
    {"LblSliderDataTop", 0, ControlKind::Swatch},
    {"LblSliderDataShadow", 0, ControlKind::Swatch},
    {"LblSliderDataFrame", 0, ControlKind::Swatch},
    {"LblSliderMaskHi", 0, ControlKind::Swatch},
    {"LblSliderMaskTop", 0, ControlKind::Swatch},
    {"LblSliderMaskShadow", 0, ControlKind::Swatch},
    {"LblSliderMaskFrame", 0, ControlKind::Swatch},
    {"OpSliderOff", 0, ControlKind::Option, 1},  // 枠無し
    {"OpSliderOn", 0, ControlKind::Option, 0},   // 枠あり
};

constexpr ControlSpec kBackColorControls[] = {
    {"lblcolor", 3, ControlKind::Swatch},  // Top, Middle, Bottom
};

constexpr ControlSpec kGlyphColourControls[] = {
    {"NumberColor", 15, ControlKind::Swatch},
    {"PicText", 6, ControlKind::Swatch},
};

// The frame "プロジェクト保存" of the main window: the project folder's name.
constexpr ControlSpec kProjectControls[] = {
    {"txtProject", 0, ControlKind::Text, 0, 0, 0, "Project"},
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
    {{"Optframe(0)", "Optframe(1)", "Optframe(2)"}, false},
    {{"optToData", "optToMask"}, false},
    {{"optMainUp", "optEqUp"}, false},
    {{"OpSliderOff", "OpSliderOn"}, false},
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
