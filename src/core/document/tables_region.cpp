// Slots and controls of the region pages.
#include "document/tables.h"

namespace pelterra::tables {

std::span<const SlotSpec> regionSlots() { return {}; }
std::span<const ControlSpec> regionControls() { return {}; }

}  // namespace pelterra::tables
