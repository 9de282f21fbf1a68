// The slider maker FrmMakeSlider ("SliderMaking"): the knob atlas of the position bar, volume and
// balance sliders drawn from four colours, as a Data and a Mask picture of the same layout, in
// one of two styles; "適用" hands both to the main window's slider position picData(4)/picMask(4).
#pragma once

#include <string_view>

#include "document/document.h"

namespace pelterra {

namespace slider_maker {
inline constexpr SlotName kData = pic::SliderData;
inline constexpr SlotName kMask = pic::SliderMask;
}  // namespace slider_maker

// Redraws both pictures from the current swatches and the style option (OpSliderOff "枠無し",
// otherwise "枠あり"), over what they held: the six knob cells onto SliderData with the Data
// swatches, then onto SliderMask with the Mask swatches.
void SliderColorChange(Document& doc);

// Command1 "適用": SliderData into picData(4) and its untouched copy picData(15), SliderMask into
// picMask(4). (The window hides itself.)
void ApplySlider(Document& doc);

// Command2 "キャンセル" copies nothing; there is no core operation for it.

}  // namespace pelterra
