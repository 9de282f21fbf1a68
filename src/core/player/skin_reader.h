// Reading a skin as players find it: a folder, or a .wsz / .zip archive read in memory and never
// unpacked to disk. File names are matched without regard to letter case. An archive whose files
// sit in a folder is accepted: the first folder holding main.bmp is taken (Skin::archiveFolder).
// A crafted archive (too many entries, entries declaring more bytes than any skin holds, names
// that climb out with "..") is refused with one error before anything large is allocated.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "player/skin.h"
#include "result.h"

namespace pelterra {

class Document;

// What an archive may hold; beyond these it is refused as no skin.
struct SkinArchiveLimits {
    std::uint64_t archiveBytes = 64u * 1024 * 1024;   // the archive file itself
    std::int64_t entries = 1000;                      // files and folders
    std::uint64_t entryBytes = 16u * 1024 * 1024;     // one file, unpacked
    std::uint64_t totalBytes = 64u * 1024 * 1024;     // all files, unpacked
};

// A folder or an archive (anything that is not a folder is read as a ZIP archive).
Result<Skin> ReadSkin(const std::filesystem::path& path, const SkinArchiveLimits& limits = {});

// An archive held in memory; `name` is used in messages.
Result<Skin> ReadSkinArchive(std::span<const std::uint8_t> bytes, const std::string& name,
                             const SkinArchiveLimits& limits = {});

// The skin the save would write from the document's built sheets, without writing anything: the
// same files, gathered as the save gathers them, the sheets taken as they are.
Result<Skin> SkinFromDocument(Document& doc);

}  // namespace pelterra
