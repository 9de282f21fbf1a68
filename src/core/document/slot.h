// Picture slots: named bitmaps of fixed size. One row per slot or run of array indexes.
#pragma once

#include "document/names.h"
#include "image/colour.h"

namespace pelterra {

// One picture slot of the document: its name and, for a slot array, its index (-1 otherwise).
struct SlotRef {
    SlotName name;
    int index = -1;
    constexpr bool operator==(const SlotRef&) const = default;
};

struct SlotSpec {
    SlotName name;
    int first = -1;  // -1: a single slot; otherwise indexes first..last of an array
    int last = -1;
    int width = 0;
    int height = 0;
    // What the slot holds until a file, a cut-out, a maker or a library part is put into it. Part
    // Masks start black: in both Mix modes a black Mask leaves the picture below unchanged, so a
    // part nobody has filled changes nothing where it is laid.
    Colour blank = kWhite;
};

}  // namespace pelterra
