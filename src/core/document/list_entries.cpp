#include "document/list_entries.h"

namespace pelterra {

namespace {

std::optional<int> exactEntry(const Control& list, std::string_view text) {
    for (std::size_t i = 0; i < list.entries.size(); ++i)
        if (list.entries[i] == text) return static_cast<int>(i);
    return std::nullopt;
}

}  // namespace

std::optional<int> FindListEntry(const Control& list, ControlRef ref, std::string_view text) {
    if (const std::optional<int> found = exactEntry(list, text)) return found;
    for (const RenamedEntry& r : kRenamedEntries)
        if (r.list == ref.name && r.index == ref.index && r.former == text) return exactEntry(list, r.current);
    return std::nullopt;
}

}  // namespace pelterra
