// PartList: the contents of one selection list of the part library (a data list, a mask list
// or a combo box): the entries as shown, the selected entry and the first-section count.
#pragma once

#include <string>
#include <vector>

namespace pelterra {

struct PartList {
    std::vector<std::string> entries;
    int selected = -1;           // index into entries; -1 when nothing is selected
    int firstSectionCount = 0;   // entries below this index are single-folder parts

    bool empty() const { return entries.empty(); }
    int count() const { return static_cast<int>(entries.size()); }
    bool operator==(const PartList&) const = default;
};

}  // namespace pelterra
