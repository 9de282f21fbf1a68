// The small text files of a skin: asp.txt, maron.txt and pledit.txt, as lines without their
// CR LF ends (the text writer adds them).
#pragma once

#include <string>
#include <vector>

#include "document/document.h"

namespace pelterra {

// "[Advanced Skin Plug-In]" and the equalizer position: 3 below the main window ("EQが下"), else 1.
std::vector<std::string> AspLines(const Document& doc);

// maron.txt is one line that holds the whole section, so the file ends in an empty line.
std::vector<std::string> MaronLines(const Document& doc);

// A colour as pledit.txt writes it: RRGGBB in upper-case hexadecimal.
std::string PleditColour(Colour colour);

// Rebuilds Text1 (with the "Font=" line) and Text2 (without it) from the four swatches and the
// font name. Text1 keeps its font line: the playlist font is written when the user asks for it.
void BuildPleditText(Document& doc);

// pledit.txt: Text2 when "Font設定を出力しない（推奨）" is checked, else Text1, as one line.
std::vector<std::string> PleditLines(const Document& doc);

}  // namespace pelterra
