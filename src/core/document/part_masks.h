// Which Mask slot shapes each part Data slot of the main window, the equalizer and the playlist,
// and the Mask a picture gets when it is put into a Data slot that has none yet.
#pragma once

#include <optional>

#include "document/document.h"

namespace pelterra {

// The Mask slot of a part's Data slot, or none for a slot that is no part Data (an untouched
// copy, a layout sheet, a small piece, a button image).
std::optional<SlotRef> PartMaskOf(SlotRef data);

// Part Masks start black, so that a part nobody has filled leaves the picture below it unchanged.
// A picture put into a Data slot by a file, a paste or a cut-out while its Mask is still all black
// gets a white Mask: the picture covers its area, as a library part without a mask file of its
// own does with Default_white. A Mask that lets any of its part through is left as it is.
void CoverIfMaskless(Document& doc, SlotRef data);
// The same for a picture that fills only `area` of the Data slot (a cut-out narrower than its
// slot): the Mask turns white there alone, so that the rest of the area keeps the picture below.
void CoverIfMaskless(Document& doc, SlotRef data, Rect area);

}  // namespace pelterra
