// The main-window stage of the skin build: the face with its frame and layers, the number
// sheet, then the slider and button sheets in their fixed order.
#pragma once

#include <filesystem>

#include "sheets/system_images.h"
#include "document/document.h"
#include "result.h"

namespace pelterra {

// frame, layer 1, layer 2, number sheet, volume, balance, cbuttons, posbar, monoster, shufrep,
// titlebar, playpaus. Cannot fail: the system pictures are already read.
void BuildMainWindowSheets(Document& doc, const SystemImages& system);

// Reads the system pictures first; when one is missing or broken nothing is changed.
Status BuildMainWindowSheets(Document& doc, const std::filesystem::path& programFolder);

}  // namespace pelterra
