// The playlist sheet of the hidden skin form Form2: the picture that becomes pledit.bmp. It starts
// white and is never cleared before a build, so pixels no build step writes keep what they held.
#include <iterator>

#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr SlotSpec kPlaylistSheetSlots[] = {
    {"picPL", -1, -1, 280, 186},
};
static_assert(std::size(kPlaylistSheetSlots) == 1);

}  // namespace

std::span<const SlotSpec> playlistSheetSlots() { return kPlaylistSheetSlots; }

}  // namespace pelterra::tables
