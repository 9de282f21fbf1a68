// The colour change "色補正": ten groups of red, green and blue scroll bars, each recolouring one
// part's Data slot from its untouched copy, so that shifts never pile up.
#pragma once

#include <optional>
#include <string_view>

#include "document/document.h"
#include "document/slot.h"
#include "result.h"

namespace pelterra {

// Group i: the bars hscR(i), hscG(i), hscB(i), the labels lblRed(i), lblGreen(i), lblBlue(i), the
// slot they recolour and the untouched copy the colours are taken from. The category tables say
// which category owns which group.
struct ColourGroup {
    SlotRef target;
    SlotRef untouched;
};

// Group i's slots, or nullopt for an i outside 0..9.
std::optional<ColourGroup> colourGroup(int i);

// The untouched copy kept for a Data slot, or nullopt for a slot without one (frame, number,
// text, layers, the equalizer frame and layers, every mask).
std::optional<SlotRef> untouchedCopyOf(SlotRef data);

// Copies a Data slot into its untouched copy, when it has one.
void refreshUntouchedCopy(Document& doc, SlotRef data);

// ColorChange(i): group i's target slot becomes its untouched copy shifted by the current values
// of hscR(i), hscG(i), hscB(i). Fails only for an i outside 0..9.
Status ColorChange(Document& doc, int i);

// The three bars of a group.
enum class ColourBar { Red, Green, Blue };

// Sets hscR(i), hscG(i) or hscB(i): the bar takes the value (held to its range), its label shows
// it as decimal text, then ColorChange(i) runs. Fails only for an i outside 0..9.
Status SetColourBar(Document& doc, ColourBar bar, int i, int value);
// The bar of a written name (ctl::hscG), or nullopt.
std::optional<ColourBar> colourBarNamed(ControlName name);


}  // namespace pelterra
