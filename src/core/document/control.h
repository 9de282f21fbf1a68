// A control of the editing state, addressed by its system name and, for control arrays, an index:
// check boxes (0/1/2), option buttons, scroll bars, lists, text boxes and colour swatches.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "document/names.h"
#include "image/colour.h"

namespace pelterra {

enum class ControlKind {
    Check,   // value 0 unchecked, 1 checked, 2 greyed; counts as set only at 1
    Option,  // value 1 selected, 0 not; selecting one clears the others of its group
    Scroll,  // integer value within [min, max]
    List,    // entries, selected index (-1 when empty), first-section count
    Text,    // a text box's or label's text
    Swatch,  // a colour swatch: value is the Colour
};

// One row of a control table: a control or control array and its initial state.
struct ControlSpec {
    ControlName name;
    int count = 0;  // 0: a single control; n: an array with indexes 0..n-1
    ControlKind kind = ControlKind::Check;
    int initial = 0;
    int min = 0;
    int max = 0;
    std::string_view text = {};  // initial text of a Text control
    bool visible = true;
    bool enabled = true;
    std::span<const std::string_view> items = {};  // design-time entries of a drop-down list
    int first = 0;  // an array row covers indexes first..first+count-1 (a later row may add more)
    // A swatch array's start colour per index (one per index of the row); empty: `initial` for all.
    std::span<const Colour> startColours = {};
};

// Two check boxes that show one value (the make boxes: the page box and its twin in the
// "Making" frame). Setting either sets both.
struct TwinCheckSpec {
    ControlName box;
    ControlName twin;
};

// A group of option buttons of which exactly one is selected. With `perIndex`, the group is
// formed anew for every index: {optPelterra(k), optSeken(k)} for each k.
struct OptionGroupSpec {
    ControlRef members[4] = {};  // unused places stay empty
    bool perIndex = false;
};

struct Control {
    ControlKind kind = ControlKind::Check;
    int value = 0;  // check 0/1/2, option 0/1, scroll value, list selected index, swatch colour
    int min = 0;
    int max = 0;
    std::string text;
    std::vector<std::string> entries;  // list entries
    int firstSectionCount = 0;         // list entries that came from the category folder itself
    bool visible = true;
    bool enabled = true;
    int group = -1;  // option group index, -1 for none

    bool operator==(const Control&) const = default;
};

// "hscR(3)" for an array element, ctl::chkPLMake for a single control.
// The key built from a written name serves the registry's walks and the change events.
std::string controlKey(std::string_view name, int index = -1);
template <class Tag>
std::string controlKey(DocumentName<Tag> name, int index = -1) {
    return controlKey(name.written(), index);
}

}  // namespace pelterra
