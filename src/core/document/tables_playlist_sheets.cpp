// The playlist sheets of the hidden skin form Form2.
#include "document/tables.h"

namespace pelterra::tables {

std::span<const SlotSpec> playlistSheetSlots() { return {}; }

}  // namespace pelterra::tables
