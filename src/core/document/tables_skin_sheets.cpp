// The sheets of the hidden skin form Form2 for the main window, one per output bitmap (from the
// table of the skin's sheets), and the check boxes of the main window that only the skin build reads.
#include "document/tables.h"

#include "sheets/skin_sheets.h"

namespace pelterra::tables {

namespace {

constexpr auto kSkinSheetSlots = SheetSlotSpecs<SheetWindow::Main>();
static_assert(kSkinSheetSlots.size() == 13);

// Check boxes of the main window that only the skin build reads.
constexpr ControlSpec kSkinBuildControls[] = {
    {ctl::chkLayer1, 0, ControlKind::Check},           // "Layer1"
    {ctl::chkLayer2, 0, ControlKind::Check},           // "Layer2"
    {ctl::chkNumberParency, 0, ControlKind::Check},    // "一部透明化"
    {ctl::VolumeRegionCheck, 0, ControlKind::Check},   // "Volume半透明化"
    {ctl::BalanceRegionCheck, 0, ControlKind::Check},  // "Balanceの半透明化"
};

}  // namespace

std::span<const SlotSpec> skinSheetSlots() { return kSkinSheetSlots; }
std::span<const ControlSpec> skinBuildControls() { return kSkinBuildControls; }

}  // namespace pelterra::tables
