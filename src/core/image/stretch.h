// StretchToSlot: how a picture file or a pasted picture enters a part slot, scaled to fill it.
#pragma once

#include "image/bitmap.h"
#include "image/work_bitmaps.h"

namespace pelterra {

// Loads the picture into Form3.Picture1 and paints the whole of it onto the slot at (0, 0),
// scaled to exactly the slot's size.
void StretchToSlot(WorkBitmaps& work, const Bitmap& picture, Bitmap& slot);

}  // namespace pelterra
