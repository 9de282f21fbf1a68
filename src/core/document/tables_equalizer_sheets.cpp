// The equalizer pictures of the hidden skin form Form2: the work image eqmain, whose top 275x116
// is the equalizer face, and the sheet EQ that becomes eqmain.bmp. Also the default slider back
// picture DefaultBackWhite.back.bmp, read at every build that uses the slider back colour.
#include "document/tables.h"

namespace pelterra::tables {

namespace {

constexpr SlotSpec kEqualizerSheetSlots[] = {
    {"eqmain", -1, -1, 275, 163},  // work image: face rows 0..115, sprite rows below
    {"EQ", -1, -1, 275, 315},      // eqmain.bmp with the slider, preset and graph rows
    // \PartsData\eq\slider\DefaultBackWhite.back.bmp as last read; white until then, which is
    // what the file holds. Its size is that of a back-colour sheet.
    {"DefaultBackWhite", -1, -1, 209, 130},
};
static_assert(std::size(kEqualizerSheetSlots) == 3);

}  // namespace

std::span<const SlotSpec> equalizerSheetSlots() { return kEqualizerSheetSlots; }

}  // namespace pelterra::tables
