// The two ways of laying a part (Data + Mask) over a background, chosen per position as the Mix
// mode: MaskBlendBitwise ("Pelterra標準") and MaskBlendAdditive ("世間の標準"). Both give the Data
// where the Mask is white and the background where it is black; they differ on grey.
#pragma once

#include <initializer_list>
#include <span>

#include "image/bitmap.h"
#include "image/work_bitmaps.h"

namespace pelterra {

// Step 1 of the bitwise blend: work mask := M, work data := M AND D.
void PrepareMaskedData(WorkBitmaps& work, const Bitmap& data, const Bitmap& mask);

// Steps 2 to 4 of the bitwise blend, after PrepareMaskedData: for each rectangle (in the part's
// own coordinates) the background at `at` + rectangle is erased into the work mask (B AND NOT M),
// the work data is painted over it, and the whole work mask is copied to dest at `at`. Work-mask
// pixels that no rectangle covered come out equal to the part's Mask.
void MaskBlendBitwisePrepared(WorkBitmaps& work, Bitmap& dest, Point at, std::span<const Rect> rects);

// The whole bitwise blend of a part at `at` of dest: R = (B AND NOT M) OR (M AND D) over the
// given rectangles of the part; with no rectangles, over the whole part.
void MaskBlendBitwise(WorkBitmaps& work, const Bitmap& data, const Bitmap& mask, Bitmap& dest,
                      Point at, std::span<const Rect> rects = {});
inline void MaskBlendBitwise(WorkBitmaps& work, const Bitmap& data, const Bitmap& mask, Bitmap& dest,
                             Point at, std::initializer_list<Rect> rects) {
    MaskBlendBitwise(work, data, mask, dest, at, std::span<const Rect>(rects.begin(), rects.size()));
}

// Loads the work buffers of the additive blend: work data := D, work mask := M, each at the part's
// own size (pixels beyond them read as white).
void LoadAdditiveWork(WorkBitmaps& work, const Bitmap& data, const Bitmap& mask);

// Rectangle form: for the w x h rectangle at (x0, y0) of target, per channel
// out = clamp(max(b - m, 0) + max(m + d - 255, 0)), reading work data and mask from their origin.
void MaskBlendAdditive(const WorkBitmaps& work, Bitmap& target, int x0, int y0, int w, int h);

// Whole-image form: offset (0, 0), the target's own size.
void MaskBlendAdditive(const WorkBitmaps& work, Bitmap& target);

// The per-channel additive rule for one pixel, exposed for callers that blend single pixels.
Colour additivePixel(Colour mask, Colour data, Colour background);

}  // namespace pelterra
