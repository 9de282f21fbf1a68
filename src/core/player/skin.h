// Skin: a classic skin as a player holds it after reading it: every sheet decoded (a missing or
// unreadable one replaced by a marked placeholder), the colours of viscolor.txt and pledit.txt,
// the outlines of region.txt, what was missing or could not be read, and which of the files given
// under one name twice was read. Skins come from a folder, an archive in memory (skin_reader.h) or
// the sheets a document has just built.
#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "text/words.h"
#include <vector>

#include "image/bitmap.h"

namespace pelterra {

// The sheets a player draws from, with the size players expect (the size a placeholder gets).
struct SkinSheetSize {
    std::string_view file;
    int width, height;
};
inline constexpr SkinSheetSize kPlayerSheets[] = {
    {"main.bmp", 275, 116},
    {"cbuttons.bmp", 136, 36},
    {"titlebar.bmp", 344, 87},
    {"shufrep.bmp", 92, 85},
    {"text.bmp", 155, 18},
    {"volume.bmp", 68, 433},
    {"balance.bmp", 68, 433},
    {"monoster.bmp", 58, 24},
    {"playpaus.bmp", 42, 9},
    {"numbers.bmp", 99, 13},
    {"posbar.bmp", 307, 10},
    {"eqmain.bmp", 275, 315},
    {"pledit.bmp", 280, 186},
};
static_assert(std::size(kPlayerSheets) == 13);

// The colours of the visualisation, viscolor.txt lines 0 to 23.
inline constexpr int kVisColourCount = 24;
using VisColours = std::array<Colour, kVisColourCount>;

// The colours a skin without viscolor.txt is drawn in: black back, dark dots, bars from red at
// the top to green at the foot, a grey ramp for the oscilloscope, grey peaks.
constexpr VisColours DefaultVisColours() {
    VisColours colours{};
    colours[0] = RGB(0, 0, 0);
    colours[1] = RGB(24, 33, 41);
    for (int i = 0; i < 16; ++i) colours[2 + i] = RGB(239 - 12 * i, 49 + 12 * i, 16);
    for (int i = 0; i < 5; ++i) colours[18 + i] = RGB(255 - 30 * i, 255 - 30 * i, 255 - 30 * i);
    colours[23] = RGB(150, 150, 150);
    return colours;
}

// The playlist colours of pledit.txt's [Text] section.
struct PlaylistColours {
    Colour normal = RGB(0, 255, 0);
    Colour current = RGB(255, 255, 255);
    Colour normalBackground = RGB(0, 0, 0);
    Colour selectedBackground = RGB(0, 0, 198);
    std::string font;  // the Font value as written (players fall back to a sans-serif)
    bool operator==(const PlaylistColours&) const = default;
};

// One region.txt section: the outlines, each a closed polygon in the window's own pixels.
using RegionPolygons = std::vector<std::vector<Point>>;

// Something a player would have met while reading the skin: the file and what was wrong.
struct SkinNote {
    std::string file;
    Words message;
};

struct Skin {
    std::map<std::string, Bitmap, std::less<>> sheets;            // by lower-case file name
    VisColours visColours = DefaultVisColours();
    PlaylistColours playlistColours;
    std::map<std::string, RegionPolygons, std::less<>> regions;   // by lower-case section name
    bool visColoursRead = false;      // viscolor.txt was there
    bool playlistColoursRead = false; // pledit.txt was there
    std::vector<SkinNote> missing;   // sheets and text files missing or unreadable: defaults used
    std::vector<SkinNote> givenTwice; // files found under one name more than once: which was read
    std::string archiveFolder;       // the folder of the archive the files were taken from ("" top level)

    // The sheet of that name; a sheet never added is an empty Bitmap.
    const Bitmap& sheet(std::string_view file) const;
    // The outlines of a region.txt section, or nullptr when the skin has none for it.
    const RegionPolygons* region(std::string_view section) const;
};

// The name a file or region section goes by in a Skin: ASCII letters in lower case (players match
// names without regard to letter case).
std::string SkinKey(std::string_view name);

// Decodes a sheet or reads a text file of the skin by its name (any letter case); other names
// are passed over. A sheet that does not decode and a text that does not parse are noted.
void AddSkinFile(Skin& skin, std::string_view name, std::string_view bytes);
// A sheet already decoded (the document's own).
void AddSkinSheet(Skin& skin, std::string_view name, Bitmap picture);
// After the last file: balance.bmp falls back to volume.bmp, every sheet still absent becomes a
// placeholder and is noted, and missing text files are noted.
void CompleteSkin(Skin& skin);

// The placeholder of a missing sheet: magenta crossed by black diagonals, unmistakable in a window.
Bitmap PlaceholderSheet(int width, int height);

}  // namespace pelterra
