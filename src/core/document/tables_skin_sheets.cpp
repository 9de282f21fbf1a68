// The sheets of the hidden skin form Form2 for the main window, one per output bitmap, and the
// check boxes of the main window that only the skin build reads.
#include "document/tables.h"

#include <iterator>

namespace pelterra::tables {

namespace {

constexpr SlotSpec kSkinSheetSlots[] = {
    {"Main", -1, -1, 275, 116},      // main.bmp
    {"cbuttons", -1, -1, 136, 36},   // cbuttons.bmp
    {"shufrep", -1, -1, 93, 92},     // shufrep.bmp
    {"monoster", -1, -1, 58, 24},    // monoster.bmp
    {"playpaus", -1, -1, 42, 9},     // playpaus.bmp
    {"titlebar", -1, -1, 344, 87},   // titlebar.bmp
    {"posbar", -1, -1, 307, 10},     // posbar.bmp with the knobs
    {"PosbarNo", -1, -1, 248, 10},   // posbar.bmp without them
    {"volume", -1, -1, 68, 433},     // volume.bmp
    {"VolumeNo", -1, -1, 1, 1},      // volume.bmp when "Volume" is clear
    {"balance", -1, -1, 68, 433},    // balance.bmp
    {"BalanceNo", -1, -1, 1, 1},     // balance.bmp when "Balance" is clear
    {"number", -1, -1, 108, 13},     // numbers.bmp
};
static_assert(std::size(kSkinSheetSlots) == 13);

// Check boxes of the main window that only the skin build reads.
constexpr ControlSpec kSkinBuildControls[] = {
    {"chkLayer1", 0, ControlKind::Check},           // "Layer1"
    {"chkLayer2", 0, ControlKind::Check},           // "Layer2"
    {"chkNumberParency", 0, ControlKind::Check},    // "一部透明化"
    {"VolumeRegionCheck", 0, ControlKind::Check},   // "Volume半透明化"
    {"BalanceRegionCheck", 0, ControlKind::Check},  // "Balanceの半透明化"
};

}  // namespace

std::span<const SlotSpec> skinSheetSlots() { return kSkinSheetSlots; }
std::span<const ControlSpec> skinBuildControls() { return kSkinBuildControls; }

}  // namespace pelterra::tables
