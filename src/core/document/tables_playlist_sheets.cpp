// The playlist sheet of the hidden skin form Form2: the picture that becomes pledit.bmp (from the
// table of the skin's sheets). It starts white and is never cleared before a build, so pixels no
// build step writes keep what they held.
#include "document/tables.h"

#include "sheets/skin_sheets.h"

namespace pelterra::tables {

namespace {

constexpr auto kPlaylistSheetSlots = SheetSlotSpecs<SheetWindow::Playlist>();
static_assert(kPlaylistSheetSlots.size() == 1);

}  // namespace

std::span<const SlotSpec> playlistSheetSlots() { return kPlaylistSheetSlots; }

}  // namespace pelterra::tables
