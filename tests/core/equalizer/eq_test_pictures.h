// Pictures for the equalizer tests: every pixel carries its own coordinates, so a test can say
// where a copied or stretched pixel came from; and a snapshot of every slot of a document.
#pragma once

#include <filesystem>
#include <map>
#include <string>

#include "document/document.h"
#include "image/bitmap.h"
#include "image/picture_file.h"

namespace pelterra::test_support {

// Pixel (x, y) holds y * 4096 + x (both below 4096).
inline Bitmap coordinatePicture(int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.at(x, y) = static_cast<Colour>((y << 12) | x);
    return b;
}
inline int sourceX(Colour c) { return static_cast<int>(c & 0xFFFu); }
inline int sourceY(Colour c) { return static_cast<int>(c >> 12); }

// rows top..top+h-1 of a coordinate picture of the given width, as a bitmap of its own.
inline Bitmap coordinateBand(int width, int top, int h) {
    Bitmap b(width, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < width; ++x) b.at(x, y) = static_cast<Colour>(((top + y) << 12) | x);
    return b;
}

inline std::map<std::string, Bitmap> snapshotSlots(const Document& doc) {
    std::map<std::string, Bitmap> shot;
    for (const std::string& key : doc.slotKeys()) {
        const auto ref = doc.slotByWritten(key);
        shot[key] = doc.slot(ref->name, ref->index);
    }
    return shot;
}

// The keys of the slots that differ between two snapshots.
inline std::vector<std::string> changedSlots(const std::map<std::string, Bitmap>& before,
                                             const std::map<std::string, Bitmap>& after) {
    std::vector<std::string> keys;
    for (const auto& [key, bitmap] : after)
        if (!before.count(key) || before.at(key) != bitmap) keys.push_back(key);
    return keys;
}

inline void writePicture(const std::filesystem::path& path, const Bitmap& picture) {
    std::filesystem::create_directories(path.parent_path());
    if (!SavePicture(picture, path.string()).ok()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace pelterra::test_support
