// Slots and controls of the tool windows: the Mix-mode window frmHowToMix, and the generator
// windows frmMakeFrame, FrmMakeSlider and frmBackColor with their colour swatches.
#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr ControlSpec kToolWindowControls[] = {
    // frmHowToMix: every pair starts at "世間の標準". Frame "Main": positions 0..7 of the main
    // window; frame "EQ": positions 0..7 of the equalizer, whose last pair ("Slider") is shown
    // disabled because no composition reads it.
    {"optPelterra", 8, ControlKind::Option, 0},
    {"optSeken", 8, ControlKind::Option, 1},
    {"optEQPelterra", 7, ControlKind::Option, 0},
    {"optEQSeken", 7, ControlKind::Option, 1},
    {.name = "optEQPelterra", .count = 1, .kind = ControlKind::Option, .initial = 0, .enabled = false, .first = 7},
    {.name = "optEQSeken", .count = 1, .kind = ControlKind::Option, .initial = 1, .enabled = false, .first = 7},
};

constexpr OptionGroupSpec kOptionGroups[] = {
    {{"optPelterra", "optSeken"}, true},
    {{"optEQPelterra", "optEQSeken"}, true},
    {{"SaveOp1", "SaveOp2"}, false},
    {{"optSaveOp1", "optSaveOp2"}, false},
    {{"OpEqMain1", "OpEqMain2"}, false},  // equalizer face: "こっちを使う" / "これを使う"
    // Playlist pages.
    {{"optPLNotActive(0)", "optPLNotActive(1)"}, false},
    {{"optPLPic(0)", "optPLPic(1)"}, false},
    {{"optPLButton(0)", "optPLButton(1)", "optPLButton(2)"}, false},
    {{"optMoePLButton(0)", "optMoePLButton(1)", "optMoePLButton(2)"}, false},
};

}  // namespace

std::span<const SlotSpec> toolWindowSlots() { return {}; }
std::span<const ControlSpec> toolWindowControls() { return kToolWindowControls; }
std::span<const OptionGroupSpec> optionGroups() { return kOptionGroups; }

}  // namespace pelterra::tables
