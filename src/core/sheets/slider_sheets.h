// The volume and balance slider sheets (68x433 each): 28 track frames cut from the backdrop,
// the knob cells of the slider part, all laid through a Mask/Data pair of PartsData\system, the
// volume pair normally and the volume2 pair for the translucent look. Every pixel comes out as
// (sheet AND NOT M) OR (D AND M).
#pragma once

#include "sheets/system_images.h"
#include "document/document.h"

namespace pelterra {

// "Volume半透明化" chooses the translucent pair, which has no knob cells.
void BuildVolumeSheet(Document& doc, const SystemImages& system);

// "Balanceの半透明化" chooses the translucent pair, with a knob drawn into the system Data in
// every frame, one pixel further right per frame. The balance sheet is not reset first: columns
// the frames do not reach keep what the previous build left there.
void BuildBalanceSheet(Document& doc, const SystemImages& system);

}  // namespace pelterra
