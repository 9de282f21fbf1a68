// Finding a list's entry by its text, as --set and project.ini name it. Entries of the parts
// library that were renamed keep their former name: a project saved before, or a command line
// written before, still selects the same part.
#pragma once

#include <optional>
#include <string_view>

#include "document/control.h"

namespace pelterra {

struct RenamedEntry {
    ControlName list;
    int index;  // the list's index, -1 for a single list
    std::string_view former, current;
};
inline constexpr RenamedEntry kRenamedEntries[] = {
    // The two-pixel digits were renamed so that the most legible digit set is the number list's
    // first entry.
    {ctl::lstData, 7, "Rounded", "Bold"},
};

// The index of the entry whose text is `text`, or of the entry a renamed one became; none when
// the list has neither.
std::optional<int> FindListEntry(const Control& list, ControlRef ref, std::string_view text);

}  // namespace pelterra
