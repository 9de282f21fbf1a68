// The preview as one PNG: the two mock-ups in the order of the preview window's panes, the
// playlist picture beside them when the playlist is made. Its bytes are staged with the other
// outputs of the build, so a failed write leaves an older preview (and skin) as it was.
#pragma once

#include <string>

#include "sheets/build_driver.h"
#include "document/document.h"
#include "result.h"

namespace pelterra::cli {

Result<std::string> PreviewPng(const Document& doc, const PreviewPanes& panes);

}  // namespace pelterra::cli
