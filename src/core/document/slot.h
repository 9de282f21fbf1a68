// Picture slots: named bitmaps of fixed size. One row per slot or run of array indexes.
#pragma once

#include "document/names.h"

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
};

}  // namespace pelterra
