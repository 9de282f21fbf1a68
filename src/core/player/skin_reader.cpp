#include "player/skin_reader.h"

#include <zip.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <system_error>
#include <vector>

#include "fs/ignore_case.h"
#include "fs/program_path.h"
#include "image/picture_file.h"
#include "output/save_skin.h"
#include "text/quote.h"

namespace pelterra {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMainSheet = "main.bmp";

Words megabytes(std::uint64_t bytes) { return {CoreMessage::wording("%1 MB"), {(bytes + (1u << 20) - 1) >> 20}}; }

Error archiveTooLarge(const std::string& name, std::uint64_t size, const SkinArchiveLimits& limits) {
    return Error{name,
                 CoreMessage::wording("the archive is %1; skin archives over %2 are not read"),
                 {megabytes(size), megabytes(limits.archiveBytes)}};
}

// The files a player looks for: its sheets and the three text files the renderer reads.
bool isSkinFile(std::string_view name) {
    for (const SkinSheetSize& s : kPlayerSheets)
        if (equalsIgnoringCase(name, s.file)) return true;
    for (std::string_view text : {"viscolor.txt", "pledit.txt", "region.txt"})
        if (equalsIgnoringCase(name, text)) return true;
    return false;
}

// The warning for a skin file found under one name more than once: every name as found, and the
// one that was read.
SkinNote givenTwiceNote(const std::string& key, const std::vector<std::string>& names, const std::string& read,
                        Wording wording) {
    std::string quoted;
    for (const std::string& n : names) quoted += (quoted.empty() ? "" : ", ") + QuoteForMessage(n);
    return {key, {wording, {static_cast<int>(names.size()), quoted, QuoteForMessage(read)}}};
}

// A file read once per name: the callers choose which of several spellings is read.
class SkinCollector {
public:
    void add(std::string_view name, std::string_view bytes) {
        const std::string lower = SkinKey(name);
        if (!m_seen.insert(lower).second) return;
        AddSkinFile(m_skin, lower, bytes);
    }
    // A file that is there but cannot be read: noted under its lower-case name, drawn as missing.
    void unreadable(std::string_view name, Words message) {
        const std::string lower = SkinKey(name);
        if (!m_seen.insert(lower).second) return;
        m_skin.missing.push_back({lower, std::move(message)});
    }
    Skin finish() {
        CompleteSkin(m_skin);
        return std::move(m_skin);
    }
    Skin& skin() { return m_skin; }

private:
    Skin m_skin;
    std::set<std::string> m_seen;
};

// ---- archives ----

struct ZipClose {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
using ZipHandle = std::unique_ptr<zip_t, ZipClose>;

struct ArchiveEntryInfo {
    zip_uint64_t index = 0;
    std::string folder;  // "" at the top level, else ending in '/'
    std::string file;
    zip_uint64_t size = 0;
};

// Both separators count: an archive made on Windows may use either.
bool climbsOut(std::string_view name) {
    if (!name.empty() && (name.front() == '/' || name.front() == '\\')) return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        const std::size_t end = std::min(name.find_first_of("/\\", start), name.size());
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

// The archive opened by libzip, or libzip's error code and words.
struct OpenedZip {
    ZipHandle zip;
    int code = ZIP_ER_OK;
    std::string reason;
};

OpenedZip openZip(std::span<const std::uint8_t> bytes, int flags) {
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &error);
    OpenedZip opened;
    opened.zip.reset(source ? zip_open_from_source(source, ZIP_RDONLY | flags, &error) : nullptr);
    if (!opened.zip) {
        opened.code = zip_error_code_zip(&error);
        opened.reason = zip_error_strerror(&error);
        if (source) zip_source_free(source);
    }
    zip_error_fini(&error);
    return opened;
}

// The archive with its table of contents checked against every entry's own header (name, sizes,
// checksum, method, time), so that a damaged header is refused rather than read past.
Result<ZipHandle> openArchive(std::span<const std::uint8_t> bytes, const std::string& name) {
    OpenedZip opened = openZip(bytes, ZIP_CHECKCONS);
    // The check refuses a name given twice, after every header was compared: such an archive is
    // otherwise whole and is read (the names are reported with the skin).
    if (opened.code == ZIP_ER_EXISTS) opened = openZip(bytes, 0);
    if (opened.zip) return std::move(opened.zip);
    // An archive cut short has lost its directory at the end, and libzip then sees no ZIP at all;
    // its first entry's signature still tells it apart from a file that never was one.
    const bool startsLikeZip = bytes.size() >= 4 && bytes[0] == 'P' && bytes[1] == 'K' && bytes[2] == 3 && bytes[3] == 4;
    if (opened.code == ZIP_ER_NOZIP && !startsLikeZip)
        return Error{name, CoreMessage::wording("this is not a ZIP archive (a skin archive is a .wsz or .zip file)")};
    if (opened.code == ZIP_ER_NOZIP)
        return Error{name, CoreMessage::wording("the archive is cut short or damaged: its table of contents is missing")};
    if (opened.code == ZIP_ER_INCONS)
        return Error{name, CoreMessage::wording("the archive is damaged: its table of contents does not match its entries")};
    return Error{name, CoreMessage::wording("the archive is damaged or cut short (%1)"), {opened.reason}};
}

// Every file entry of the archive, checked against the limits before any is unpacked.
Result<std::vector<ArchiveEntryInfo>> listEntries(zip_t* zip, const std::string& name, const SkinArchiveLimits& limits) {
    const zip_int64_t count = zip_get_num_entries(zip, 0);
    if (count > limits.entries)
        return Error{
            name,
            CoreMessage::wording("the archive holds %1 entries; a skin has a few dozen, and more than %2 are not read"),
            {count, limits.entries}};
    std::vector<ArchiveEntryInfo> entries;
    std::uint64_t total = 0;
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_init(&stat);
        if (zip_stat_index(zip, static_cast<zip_uint64_t>(i), 0, &stat) != 0 || !(stat.valid & ZIP_STAT_NAME))
            return Error{name, CoreMessage::wording("entry %1 of the archive cannot be read"), {i + 1}};
        const std::string_view entryName = stat.name;
        if (climbsOut(entryName))
            return Error{
                name,
                CoreMessage::wording(
                    "the entry \"%1\" points outside the archive (\"..\" or a leading slash): the archive is refused"),
                {std::string(entryName)}};
        if (!entryName.empty() && (entryName.back() == '/' || entryName.back() == '\\')) continue;  // a folder
        const zip_uint64_t size = (stat.valid & ZIP_STAT_SIZE) ? stat.size : 0;
        if (size > limits.entryBytes)
            return Error{name,
                         CoreMessage::wording(
                             "the entry \"%1\" unpacks to %2; skin files are far smaller, and none over %3 is read"),
                         {std::string(entryName), megabytes(size), megabytes(limits.entryBytes)}};
        total += size;
        if (total > limits.totalBytes)
            return Error{
                name,
                CoreMessage::wording("the archive unpacks to more than %1; a skin is far smaller, so it is not read"),
                {megabytes(limits.totalBytes)}};
        const std::size_t slash = entryName.find_last_of("/\\");
        const std::size_t cut = slash == std::string_view::npos ? 0 : slash + 1;
        entries.push_back({static_cast<zip_uint64_t>(i), std::string(entryName.substr(0, cut)),
                           std::string(entryName.substr(cut)), size});
    }
    return entries;
}

// The folder the skin's files are taken from: the top level when it holds main.bmp, else the
// first folder (in archive order) that does, else the top level.
std::string skinFolderOf(const std::vector<ArchiveEntryInfo>& entries) {
    const auto holdsMain = [](const ArchiveEntryInfo& e) { return equalsIgnoringCase(e.file, kMainSheet); };
    for (const ArchiveEntryInfo& e : entries)
        if (holdsMain(e) && e.folder.empty()) return "";
    for (const ArchiveEntryInfo& e : entries)
        if (holdsMain(e)) return e.folder;
    return "";
}

// Why an entry did not unpack, in the reader's words where libzip's code says enough.
Words damageOf(zip_file_t* file) {
    zip_error_t* error = zip_file_get_error(file);
    switch (zip_error_code_zip(error)) {
        case ZIP_ER_CRC: return CoreMessage::wording("its checksum does not match");
        case ZIP_ER_COMPRESSED_DATA:
        case ZIP_ER_ZLIB: return CoreMessage::wording("its compressed data is broken");
        case ZIP_ER_INCONS: return CoreMessage::wording("its size does not match");
        default: return Words(zip_error_strerror(error));
    }
}

// An entry the skin reads must unpack; any other is only checked, and one stored in a way this
// reader does not know (a method or encryption libzip lacks) is passed over unchecked.
enum class Unpack { Needed, CheckOnly };

// An entry unpacked whole, read on to its end: only there does libzip compare what came out with
// the checksum (CRC-32) and size the archive stores, so a damaged entry is caught before any of
// its bytes are used.
Result<std::string> unpackEntry(zip_t* zip, const ArchiveEntryInfo& entry, const std::string& name, Unpack unpack) {
    const std::string where = entry.folder + entry.file;
    zip_file_t* file = zip_fopen_index(zip, entry.index, 0);
    if (!file && unpack == Unpack::CheckOnly) return std::string();
    if (!file)
        return Error{
            name, CoreMessage::wording("the entry \"%1\" cannot be unpacked (%2)"), {where, zip_strerror(zip)}};
    std::string bytes(static_cast<std::size_t>(entry.size), '\0');
    const zip_int64_t read = entry.size == 0 ? 0 : zip_fread(file, bytes.data(), entry.size);
    char beyond = 0;
    const zip_int64_t past = read == static_cast<zip_int64_t>(entry.size) ? zip_fread(file, &beyond, 1) : 0;
    Words reason;
    if (read < 0 || past < 0)
        reason = damageOf(file);
    else if (read != static_cast<zip_int64_t>(entry.size))
        reason = CoreMessage::wording("it ends early");
    else if (past > 0)
        reason = CoreMessage::wording("it holds more than the archive says");
    zip_fclose(file);
    if (!reason.empty()) return Error{name, CoreMessage::wording("the entry \"%1\" is damaged (%2)"), {where, reason}};
    return bytes;
}

// ---- folders ----

Result<Skin> readSkinFolder(const fs::path& folder) {
    auto names = listOrdinaryFiles(folder);
    if (!names) return names.error();
    // Every spelling of each skin file, in the listing's fixed order.
    std::map<std::string, std::vector<std::string>> spellings;
    for (const std::string& n : *names)
        if (isSkinFile(n)) spellings[SkinKey(n)].push_back(n);
    SkinCollector collector;
    for (const auto& [key, given] : spellings) {
        // Of main.bmp and MAIN.BMP, the one spelt as players write their files is read.
        const auto lower = std::find(given.begin(), given.end(), key);
        const std::string& read = lower != given.end() ? *lower : given.front();
        if (given.size() > 1)
            collector.skin().givenTwice.push_back(
                givenTwiceNote(key, given, read, CoreMessage::wording("the folder holds %1 files of this name (%2); %3 is read")));
        auto bytes = ReadPictureFile((folder / read).string());
        if (!bytes) {
            collector.unreadable(read, {CoreMessage::wording("%1: drawn as a placeholder"), {bytes.error().words}});
            continue;
        }
        collector.add(read, std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
    }
    return collector.finish();
}

Result<std::vector<std::uint8_t>> readArchiveFile(const fs::path& path, const SkinArchiveLimits& limits) {
    std::error_code ec;
    const auto size = fs::file_size(path, ec);
    if (!ec && size > limits.archiveBytes) return archiveTooLarge(path.string(), size, limits);
    return ReadPictureFile(path.string());
}

}  // namespace

Result<Skin> ReadSkinArchive(std::span<const std::uint8_t> bytes, const std::string& name, const SkinArchiveLimits& limits) {
    if (bytes.size() > limits.archiveBytes) return archiveTooLarge(name, bytes.size(), limits);
    auto zip = openArchive(bytes, name);
    if (!zip) return zip.error();
    auto entries = listEntries(zip->get(), name, limits);
    if (!entries) return entries.error();
    const std::string folder = skinFolderOf(*entries);
    // The entries of each skin file, in archive order. Of several, the last is read: unpacking the
    // archive, as players do, leaves the last one written.
    std::map<std::string, std::vector<const ArchiveEntryInfo*>> skinEntries;
    for (const ArchiveEntryInfo& entry : *entries)
        if (entry.folder == folder && isSkinFile(entry.file)) skinEntries[SkinKey(entry.file)].push_back(&entry);
    const auto isRead = [&](const ArchiveEntryInfo& entry) {
        const auto given = skinEntries.find(SkinKey(entry.file));
        return given != skinEntries.end() && given->second.back() == &entry;
    };
    SkinCollector collector;
    collector.skin().archiveFolder = folder;
    // Every entry is unpacked and checked, the skin's and the others: an archive with a damaged
    // entry is damaged, and is refused whole rather than drawn in part.
    for (const ArchiveEntryInfo& entry : *entries) {
        const bool read = isRead(entry);
        auto content = unpackEntry(zip->get(), entry, name, read ? Unpack::Needed : Unpack::CheckOnly);
        if (!content) return content.error();
        if (read) collector.add(entry.file, *content);
    }
    for (const auto& [key, given] : skinEntries) {
        if (given.size() < 2) continue;
        std::vector<std::string> names;
        for (const ArchiveEntryInfo* entry : given) names.push_back(entry->folder + entry->file);
        collector.skin().givenTwice.push_back(givenTwiceNote(
            key, names, names.back(), CoreMessage::wording("the archive holds %1 files of this name (%2); the last, %3, is read")));
    }
    return collector.finish();
}

Result<Skin> ReadSkin(const fs::path& path, const SkinArchiveLimits& limits) {
    std::error_code ec;
    if (fs::is_directory(path, ec)) return readSkinFolder(path);
    auto bytes = readArchiveFile(path, limits);
    if (!bytes) return bytes.error();
    return ReadSkinArchive(*bytes, path.string(), limits);
}

Result<Skin> SkinFromDocument(Document& doc) {
    auto files = GatherSkinFiles(doc, RegionWorkCopy::Leave);
    if (!files) return files.error();
    SkinCollector collector;
    for (const SkinFileSource& file : *files) {
        if (file.sheet) {
            AddSkinSheet(collector.skin(), file.name, *file.sheet);
            continue;
        }
        auto bytes = file.text();
        if (!bytes) return bytes.error().withPath(file.name);
        collector.add(file.name, *bytes);
    }
    return collector.finish();
}

}  // namespace pelterra
