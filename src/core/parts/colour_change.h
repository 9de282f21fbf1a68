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
// slot they recolour and the untouched copy the colours are taken from.
struct ColourGroup {
    std::string_view category;
    SlotRef target;
    SlotRef untouched;
};

inline constexpr ColourGroup kColourGroups[] = {
    {"cbuttons", {"picData", 0}, {"picData", 11}},
    {"shufrep", {"picData", 1}, {"picData", 12}},
    {"monoster", {"picData", 2}, {"picData", 13}},
    {"playpaus", {"picData", 3}, {"picData", 14}},
    {"slider", {"picData", 4}, {"picData", 15}},
    {"titlebar", {"picData", 5}, {"picData", 16}},
    {"equalizer on/auto", {"picEQData", 0}, {"picEQData", 7}},
    {"equalizer title bar", {"picEQData", 2}, {"picEQData", 8}},
    {"equalizer image", {"picEQData", 3}, {"picEQData", 9}},
    {"equalizer preset", {"picEQData", 4}, {"picEQData", 10}},
};
static_assert(std::size(kColourGroups) == 10, "ten colour-shift groups");

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

// A change of hscR(i), hscG(i) or hscB(i): the bar takes the value (held to its range), its label
// shows it as decimal text, then ColorChange(i) runs. Fails only for an i outside 0..9.
Status ColourBarChanged(Document& doc, ColourBar bar, int i, int value);

// After bar values were set by name (a project, the command line): every label shows its bar
// again and every group is recoloured from its untouched copy.
void RefreshColourGroups(Document& doc);

}  // namespace pelterra
