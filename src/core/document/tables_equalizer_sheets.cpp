// The equalizer sheets of the hidden skin form Form2.
#include "document/tables.h"

namespace pelterra::tables {

std::span<const SlotSpec> equalizerSheetSlots() { return {}; }

}  // namespace pelterra::tables
