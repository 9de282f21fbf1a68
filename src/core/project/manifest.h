// The project manifest project.ini: every control value by its system name, one section per
// window, and the picture paths, titles and flags that the build and the skin save read. UTF-8,
// lines "NAME=VALUE". A list stores its selected index and, after a '|', the selected entry's
// text, so that a library listed in another order still restores the same choice.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "result.h"

namespace pelterra {

// Section of the state that is not a control.
inline constexpr std::string_view kManifestProjectSection = "Project";
// Version 2 no longer stores the window's current pages nor "lastEqBelow"; a version-1 manifest
// still loads, its lines for names that are no controls any more passed over.
inline constexpr int kManifestVersion = 2;
inline constexpr int kFirstManifestVersion = 1;

// The manifest's text.
std::string ManifestText(const Document& doc);

// Restores what the text holds. Sections only group the lines for a reader: a name is looked up
// wherever it stands. A list takes the stored entry when it still has it, else the stored index.
// Lines that cannot be applied (unknown names, values out of range, malformed lines) are passed
// over and returned, each naming `path` and the line; everything else is applied, as values only:
// no part is loaded, so the project's pictures stay. Afterwards the mask lists follow their link
// boxes.
std::vector<Error> ApplyManifest(Document& doc, std::string_view text, const std::string& path);

// How a value is written in the manifest: backslash, CR, LF and tab escaped so that a text of
// several lines stays on one line; and read back.
std::string EscapeManifestValue(std::string_view value);
std::string UnescapeManifestValue(std::string_view value);

}  // namespace pelterra
