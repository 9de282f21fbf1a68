// Skin archives a test needs, made with the program's own packer: good ones, and the damaged and
// crafted ones a reader must refuse (cut short, no ZIP at all, an entry declaring hundreds of
// megabytes, thousands of entries, names climbing out with "..", a checksum, a data byte or a
// header changed).
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
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

// Bytes that do not compress: deflate keeps them as they are, so a byte changed among them comes
// out of the archive changed, and only the entry's checksum tells.
inline std::string incompressible(std::size_t size) {
    std::string bytes(size, '\0');
    std::uint32_t state = 12345;
    for (char& b : bytes) {
        state = state * 1664525u + 1013904223u;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

inline std::size_t readLe16(const std::string& bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]) | static_cast<std::size_t>(static_cast<std::uint8_t>(bytes[at + 1])) << 8;
}

// Offsets in the first entry's local header (at the archive's start) and its central directory
// record (the first one).
constexpr std::size_t kLocalChecksum = 14, kLocalName = 30, kCentralChecksum = 16;
inline std::size_t centralDirectoryOf(const std::string& bytes) { return bytes.find(std::string("PK\1\2", 4)); }
inline std::size_t firstDataOf(const std::string& bytes) { return kLocalName + readLe16(bytes, 26) + readLe16(bytes, 28); }

inline std::string flipped(std::string bytes, std::initializer_list<std::size_t> offsets) {
    for (std::size_t at : offsets) bytes[at] = static_cast<char>(bytes[at] ^ 0x5A);
    return bytes;
}

// A skin archive whose first entry, `name`, had one byte of its packed data changed: every header
// is whole, and the entry unpacks to the right size.
inline std::string archiveWithAByteChanged(const std::string& name, const std::vector<ArchiveEntry>& more = {}) {
    std::vector<ArchiveEntry> entries = {{name, incompressible(4000)}};
    entries.insert(entries.end(), more.begin(), more.end());
    const std::string bytes = zipBytes(entries);
    return flipped(bytes, {firstDataOf(bytes) + 2000});
}

// The damaged and crafted archives, each with the whole message it must be refused with.
struct CraftedArchive {
    std::string what;
    std::string bytes;
    std::string message;
};

inline std::vector<CraftedArchive> craftedArchives() {
    std::vector<ArchiveEntry> many;
    for (int i = 0; i < 3000; ++i) many.push_back({"f" + std::to_string(i) + ".txt", "x"});
    const std::string good = zipBytes({{"main.bmp", std::string(4000, 'm')}, {"pledit.txt", "[Text]"}});
    const std::size_t central = centralDirectoryOf(good);
    return {
        {"cut short", good.substr(0, good.size() / 2), "the archive is cut short or damaged: its table of contents is missing"},
        {"not a zip", "This is a text file, not an archive.\n", "this is not a ZIP archive (a skin archive is a .wsz or .zip file)"},
        {"huge entry", archiveDeclaring(600u * 1024 * 1024),
         "the entry \"main.bmp\" unpacks to 600 MB; skin files are far smaller, and none over 16 MB is read"},
        {"thousands of entries", zipBytes(many),
         "the archive holds 3000 entries; a skin has a few dozen, and more than 1000 are not read"},
        {"dot dot name", zipBytes({{"skin/../../main.bmp", "x"}}),
         "the entry \"skin/../../main.bmp\" points outside the archive (\"..\" or a leading slash): the archive is refused"},
        // The same checksum in both headers, wrong for the bytes: only unpacking can tell.
        {"checksum changed", flipped(good, {kLocalChecksum, central + kCentralChecksum}),
         "the entry \"main.bmp\" is damaged (its checksum does not match)"},
        {"data byte changed", archiveWithAByteChanged("main.bmp", {{"pledit.txt", "[Text]"}}),
         "the entry \"main.bmp\" is damaged (its checksum does not match)"},
        {"data byte changed outside the skin", archiveWithAByteChanged("readme.txt", {{"main.bmp", std::string(4000, 'm')}}),
         "the entry \"readme.txt\" is damaged (its checksum does not match)"},
        {"name changed in one header", flipped(good, {kLocalName}),
         "the archive is damaged: its table of contents does not match its entries"},
    };
}

}  // namespace pelterra::test_support
