// Slots and controls of the tool windows: the Mix-mode window frmHowToMix, and the generator
// windows frmMakeFrame, FrmMakeSlider and frmBackColor with their colour swatches.
#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr ControlSpec kToolWindowControls[] = {
    // frmHowToMix: every pair starts at "世間の標準". Frame "Main": positions 0..7 of the main
    // window; frame "EQ": positions 0..7 of the equalizer, whose last pair ("Slider") is shown
    // disabled because no composition reads it.
    {ctl::optPelterra, 8, ControlKind::Option, 0},
    {ctl::optSeken, 8, ControlKind::Option, 1},
    {ctl::optEQPelterra, 7, ControlKind::Option, 0},
    {ctl::optEQSeken, 7, ControlKind::Option, 1},
    {.name = ctl::optEQPelterra, .count = 1, .kind = ControlKind::Option, .initial = 0, .enabled = false, .first = 7},
    {.name = ctl::optEQSeken, .count = 1, .kind = ControlKind::Option, .initial = 1, .enabled = false, .first = 7},
};

constexpr OptionGroupSpec kOptionGroups[] = {
    {{{ctl::optPelterra}, {ctl::optSeken}}, true},
    {{{ctl::optEQPelterra}, {ctl::optEQSeken}}, true},
    {{{ctl::SaveOp1}, {ctl::SaveOp2}}, false},
    {{{ctl::optSaveOp1}, {ctl::optSaveOp2}}, false},
    {{{ctl::OpEqMain1}, {ctl::OpEqMain2}}, false},  // equalizer face: "こっちを使う" / "これを使う"
    // Playlist pages.
    {{{ctl::optPLNotActive, 0}, {ctl::optPLNotActive, 1}}, false},
    {{{ctl::optPLPic, 0}, {ctl::optPLPic, 1}}, false},
    {{{ctl::optPLButton, 0}, {ctl::optPLButton, 1}, {ctl::optPLButton, 2}}, false},
    {{{ctl::optMoePLButton, 0}, {ctl::optMoePLButton, 1}, {ctl::optMoePLButton, 2}}, false},
};

}  // namespace

std::span<const SlotSpec> toolWindowSlots() { return {}; }
std::span<const ControlSpec> toolWindowControls() { return kToolWindowControls; }
std::span<const OptionGroupSpec> optionGroups() { return kOptionGroups; }

}  // namespace pelterra::tables
