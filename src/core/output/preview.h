// The preview window's pictures: the main-window mock-up PreView and the equalizer mock-up
// EQPreView, painted from the freshly built sheets, the playlist picture and the destination.
#pragma once

#include "document/document.h"

namespace pelterra {

// Paints PreView and EQPreView from the sheets, copies the
// playlist sheet into PreViewPL (shown only with "PLを出力する") and writes the destination into
// Label2 (or the reason there is none). The window shape is the region editor's business.
void ComposePreview(Document& doc);

}  // namespace pelterra
