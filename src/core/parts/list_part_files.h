// ListPartFiles: adds to a selection list the parts a library folder holds under one suffix
// (".data.bmp", ".mask.bmp", ".bmp", ".back.bmp").
#pragma once

#include <filesystem>
#include <string_view>

#include "parts/part_list.h"
#include "result.h"

namespace pelterra {

// Appends the base names of the ordinary files of programFolder + folder (a tail such as
// "\PartsData\Cbuttons", matched ignoring case) whose name contains suffix anywhere, ignoring
// case: the entry is the part of the name before the suffix (a.data.bmp.old lists as "a").
// The entries added by one call are sorted by name ignoring case (raw bytes break ties), after
// whatever the list held. The first entry is then selected (-1 when the list is empty).
// Names holding a backslash are left out: their path could not be written back.
// A missing folder adds nothing and is reported as an error; the list stays usable.
Status ListPartFiles(PartList& list, const std::filesystem::path& programFolder, std::string_view folder,
                     std::string_view suffix);

}  // namespace pelterra
