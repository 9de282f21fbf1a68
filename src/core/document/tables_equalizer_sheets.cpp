// The equalizer pictures of the hidden skin form Form2: the sheet EQ and the work image eqmain,
// whose top 275x116 is the equalizer face (both from the table of the skin's sheets). Also the
// default slider back picture DefaultBackWhite.back.bmp, read at every build that uses the
// slider back colour.
#include "document/tables.h"

#include <algorithm>

#include "sheets/skin_sheets.h"

namespace pelterra::tables {

namespace {

constexpr auto kEqualizerSheets = SheetSlotSpecs<SheetWindow::Equalizer>();
static_assert(kEqualizerSheets.size() == 2);

// \PartsData\eq\slider\DefaultBackWhite.back.bmp as last read; white until then, which is what
// the file holds. Its size is that of a back-colour sheet.
constexpr SlotSpec kDefaultSliderBack{pic::DefaultBackWhite, -1, -1, 209, 130};

constexpr auto kEqualizerSheetSlots = [] {
    std::array<SlotSpec, kEqualizerSheets.size() + 1> slots{};
    std::copy(kEqualizerSheets.begin(), kEqualizerSheets.end(), slots.begin());
    slots.back() = kDefaultSliderBack;
    return slots;
}();

}  // namespace

std::span<const SlotSpec> equalizerSheetSlots() { return kEqualizerSheetSlots; }

}  // namespace pelterra::tables
