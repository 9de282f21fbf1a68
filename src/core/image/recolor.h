// The colour shift of the RGB scroll bars: a part recoloured from its untouched copy.
#pragma once

#include "image/bitmap.h"

namespace pelterra {

// target(x, y) := source(x, y) with each channel shifted by its offset (-256..256) and clamped to
// 0..255, over the whole target. Always starts from the source, so a zero shift restores it.
void RecolorImage(Bitmap& target, const Bitmap& source, int dr, int dg, int db);

}  // namespace pelterra
