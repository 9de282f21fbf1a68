// The preview as one PNG: the two mock-ups in the order of the preview window's panes, the
// playlist picture beside them when the playlist is made. It is written as every output is (see
// WriteFileAtomically): a failed write leaves an older preview as it was.
#pragma once

#include <filesystem>

#include "sheets/build_driver.h"
#include "document/document.h"
#include "result.h"

namespace pelterra::cli {

Status WritePreviewPng(const Document& doc, const PreviewPanes& panes, const std::filesystem::path& file);

}  // namespace pelterra::cli
