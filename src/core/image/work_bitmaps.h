// The scratch bitmaps every composition reuses: the two buffers of the Mix modes and a spare one
// (the hidden window MaskAndData), and the buffer through which a picture is stretched into a slot
// (Form3.Picture1). They hold nothing between two compositions.
#pragma once

#include "image/bitmap.h"

namespace pelterra {

struct WorkBitmaps {
    Bitmap data;           // MaskAndData.data
    Bitmap mask;           // MaskAndData.mask
    Bitmap picTmp;         // MaskAndData.picTmp
    Bitmap form3Picture1;  // Form3.Picture1
};

}  // namespace pelterra
