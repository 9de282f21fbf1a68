// The picture of a list entry: the library file that shows what choosing the entry gives, for the
// small pictures beside the entries of the part lists and combo boxes. A data list shows the
// part's Data, a mask list its Mask, the slider and back-colour boxes their graphic, the Easy box
// its picture and the playlist style box the style's whole window sheet.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "document/document.h"
#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

// The file tail below the program folder of entry `entry` of list `list`(index), written as the
// loaders write it ("\PartsData\frame\data\Glass.bmp"); nullopt when the control is no part list
// or combo box of the library, or the entry does not exist.
std::optional<std::string> entryPictureTail(const Document& doc, ControlName list, int index, int entry);

// That file decoded. A list without pictures, a missing entry or a file that cannot be read is an
// error naming the file.
Result<Bitmap> LoadEntryPicture(const Document& doc, const std::filesystem::path& programFolder, ControlName list,
                                int index, int entry);

}  // namespace pelterra
