// The name an edit carries in the Edit menu ("Undo colour bar R"), from the first control or
// slot it changed, and whether edits in a row join one step (the moves of one scroll bar).
#pragma once

#include <string>

#include "document/document.h"

namespace pelterra::app {

struct EditName {
    std::string text;
    std::string mergeKey;  // empty: a step of its own
};

EditName DescribeEdit(const Document& doc, const std::string& firstControl, const std::string& firstSlot);

}  // namespace pelterra::app
