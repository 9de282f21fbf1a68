// The generated tree, held in memory until it is written: every file by its path below the
// output folder, and every part with its category for the contact sheet. Paths use '/'; the
// program matches library names without regard to case, and the names written here are the
// lower-case ones its loaders use.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "result.h"
#include "sprite.h"
#include "styles.h"

namespace partsgen {

// A category folder of the library and the size of its parts.
struct Category {
    std::string_view folder;  // below the output folder, e.g. "PartsData/cbuttons"
    int width, height;
};

// One picture the contact sheet shows: the Data, and the Mask it is shown through.
struct ShownPart {
    std::string label;  // "cbuttons/Metal"
    Bitmap data;
    Bitmap mask;
};

class Library {
public:
    // A part in the storage form its style asks for. A style without masks gets none: the
    // category's Default_white mask covers it.
    void addPart(const Category& c, std::string_view name, const Sprite& part, Storage storage);
    // A glyph sheet of the number or text category: one file, picture and glyph mask at once
    // (white glyphs on black, the coverage of a drawn sprite).
    void addGlyphSheet(const Category& c, std::string_view name, const Bitmap& sheet);
    // Any other picture; `shown` adds it to the contact sheet with a white mask.
    void addPicture(const std::string& path, const Bitmap& picture, bool shown = true);
    // A picture with its own mask, written as two files.
    void addMaskedPicture(const std::string& dataPath, const std::string& maskPath, const Sprite& s);
    void addFile(const std::string& path, std::string bytes);

    const std::vector<ShownPart>& shown() const { return m_shown; }
    const std::map<std::string, std::vector<std::uint8_t>>& files() const { return m_files; }

    // Writes every file below root, creating folders; a file that already holds the same
    // bytes is left as it is.
    pelterra::Status writeTo(const std::filesystem::path& root) const;

private:
    void put(const std::string& path, std::vector<std::uint8_t> bytes);

    std::map<std::string, std::vector<std::uint8_t>> m_files;
    std::vector<ShownPart> m_shown;
};

// The Default_white mask of a category: white over the whole part.
Bitmap whiteMask(const Category& c);

}  // namespace partsgen
