// Skin archives a test needs, made with the program's own packer: good ones, and the damaged and
// crafted ones a reader must refuse (cut short, no ZIP at all, an entry declaring hundreds of
// megabytes, thousands of entries, names climbing out with "..").
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "output/zip_pack.h"
#include "support/temp_dir.h"

namespace pelterra::test_support {

// The bytes of a ZIP archive holding the entries in order.
inline std::string zipBytes(const std::vector<ArchiveEntry>& entries) {
    TempDir dir;
    const std::filesystem::path archive = dir / "made.zip";
    if (!PackEntries(archive, entries).ok()) return {};
    return readFileBytes(archive);
}

inline std::uint32_t readLe32(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

inline void writeLe32(std::string& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((v >> (8 * i)) & 255u);
}

// An archive whose one entry declares `declared` unpacked bytes in both its local header and the
// central directory, as a crafted archive would.
inline std::string archiveDeclaring(std::uint32_t declared) {
    std::string bytes = zipBytes({{"main.bmp", std::string(64, 'x')}});
    for (std::size_t at = 0; at + 46 <= bytes.size(); ++at) {
        if (readLe32(bytes, at) == 0x04034b50u) writeLe32(bytes, at + 22, declared);  // local header
        if (readLe32(bytes, at) == 0x02014b50u) writeLe32(bytes, at + 24, declared);  // central directory
    }
    return bytes;
}

// The damaged and crafted archives, each with a word that the refusal must contain.
struct CraftedArchive {
    std::string what;
    std::string bytes;
    std::string reason;  // a word of the error message
};

inline std::vector<CraftedArchive> craftedArchives() {
    std::vector<ArchiveEntry> many;
    for (int i = 0; i < 3000; ++i) many.push_back({"f" + std::to_string(i) + ".txt", "x"});
    const std::string good = zipBytes({{"main.bmp", std::string(4000, 'm')}, {"pledit.txt", "[Text]"}});
    return {
        {"cut short", good.substr(0, good.size() / 2), "damaged or cut short"},
        {"not a zip", "This is a text file, not an archive.\n", "not a ZIP archive"},
        {"huge entry", archiveDeclaring(600u * 1024 * 1024), "600 MB"},
        {"thousands of entries", zipBytes(many), "3000 entries"},
        {"dot dot name", zipBytes({{"skin/../../main.bmp", "x"}}), "outside the archive"},
    };
}

}  // namespace pelterra::test_support
