// The project manifest project.ini: every control value by its system name, one section per
// window, the picture paths, titles and flags that the build and the skin save read, and the
// outlines of the last region trace, so that a loaded project writes the same region.txt. UTF-8,
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
// Section of the traced outlines, written only after a trace: MainCounts, MainPoints,
// EqualizerCounts and EqualizerPoints, each in the text form of the region work files
// ("12,4," and "4,5,4,5,..."). A manifest without it (older projects too) restores no outlines.
inline constexpr std::string_view kManifestRegionSection = "RegionTrace";
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
// no part is loaded, so the project's pictures stay. The document's traced outlines are replaced
// by those the text stores, or by none (a region.txt then needs a new trace); stored outlines
// whose counts and points disagree are reported and not restored. Afterwards the mask lists
// follow their link boxes.
std::vector<Error> ApplyManifest(Document& doc, std::string_view text, const std::string& path);

// How a value is written in the manifest: backslash, CR, LF and tab escaped so that a text of
// several lines stays on one line; and read back.
std::string EscapeManifestValue(std::string_view value);
std::string UnescapeManifestValue(std::string_view value);

}  // namespace pelterra
