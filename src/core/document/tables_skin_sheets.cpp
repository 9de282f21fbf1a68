// The sheets of the hidden skin form Form2, one per output bitmap.
#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr SlotSpec kSkinSheetSlots[] = {
    {"Main", -1, -1, 275, 116},
};

}  // namespace

std::span<const SlotSpec> skinSheetSlots() { return kSkinSheetSlots; }

}  // namespace pelterra::tables
