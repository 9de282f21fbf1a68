// The playlist sheet of the hidden skin form Form2: the picture that becomes pledit.bmp (from the
// table of the skin's sheets). It is never cleared before a build, so pixels no build step writes
// (the one-pixel gaps between the pieces) keep what they held: it starts black, so that those
// pixels are as quiet as the empty parts, not white.
#include "document/tables.h"

#include "sheets/skin_sheets.h"

namespace pelterra::tables {

namespace {

constexpr auto kPlaylistSheetSlots = [] {
    auto specs = SheetSlotSpecs<SheetWindow::Playlist>();
    specs[0].blank = kBlack;
    return specs;
}();
static_assert(kPlaylistSheetSlots.size() == 1);

}  // namespace

std::span<const SlotSpec> playlistSheetSlots() { return kPlaylistSheetSlots; }

}  // namespace pelterra::tables
