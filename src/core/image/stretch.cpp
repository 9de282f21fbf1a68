#include "image/stretch.h"

#include "image/drawing.h"

namespace pelterra {

void StretchToSlot(WorkBitmaps& work, const Bitmap& picture, Bitmap& slot) {
    work.form3Picture1 = picture;
    PaintPicture(slot, work.form3Picture1, 0, 0, slot.width(), slot.height());
}

}  // namespace pelterra
