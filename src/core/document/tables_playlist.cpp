// Slots and controls of the playlist pages.
#include "document/tables.h"

namespace pelterra::tables {

std::span<const SlotSpec> playlistSlots() { return {}; }
std::span<const ControlSpec> playlistControls() { return {}; }

}  // namespace pelterra::tables
