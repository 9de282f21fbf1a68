// Slots and controls of the equalizer pages.
#include "document/tables.h"

namespace pelterra::tables {

std::span<const SlotSpec> equalizerSlots() { return {}; }
std::span<const ControlSpec> equalizerControls() { return {}; }

}  // namespace pelterra::tables
