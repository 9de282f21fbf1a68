#include "output/zip_pack.h"

#include <zip.h>

#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <optional>

#include "fs/atomic_file.h"

namespace pelterra {

namespace {

Words zipErrorText(zip_error_t* error) {
    const char* text = zip_error_strerror(error);
    return text ? Words(text) : Words(CoreMessage::wording("unknown archive error"));
}

struct SourceFree {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};
using SourceHandle = std::unique_ptr<zip_source_t, SourceFree>;

// What unpacking gives each entry: an ordinary file (the type in the top bits, as Unix archivers
// store it) that its owner may write and everyone read. Left alone, libzip stores 0666.
constexpr zip_uint32_t kEntryAttributes = (S_IFREG | 0644u) << 16;

// Each entry from its own buffer (not copied: the buffers must outlive zip_close). Returns why
// an entry could not be added, or nothing.
std::optional<Words> addEntries(zip_t* zip, const std::vector<ArchiveEntry>& entries) {
    for (const ArchiveEntry& entry : entries) {
        zip_source_t* src = zip_source_buffer(zip, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index = src ? zip_file_add(zip, entry.name.c_str(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_GUESS) : -1;
        if (index < 0 && src) zip_source_free(src);
        if (index < 0 || zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                                          kEntryAttributes) < 0)
            return Words(CoreMessage::wording("cannot add %1 (%2)"), {entry.name, zipErrorText(zip_get_error(zip))});
    }
    return std::nullopt;
}

// The bytes an in-memory source holds after an archive was written into it.
Result<std::string> sourceBytes(zip_source_t* source) {
    const Error unreadable{"", CoreMessage::wording("cannot read the archive back from memory")};
    if (zip_source_is_deleted(source)) return Error{"", CoreMessage::wording("there is no file to pack")};
    if (zip_source_open(source) < 0) return unreadable;
    std::string bytes;
    zip_int64_t size = -1;
    if (zip_source_seek(source, 0, SEEK_END) == 0) size = zip_source_tell(source);
    zip_int64_t read = -1;
    if (size >= 0 && zip_source_seek(source, 0, SEEK_SET) == 0) {
        bytes.resize(static_cast<std::size_t>(size));
        read = size == 0 ? 0 : zip_source_read(source, bytes.data(), bytes.size());
    }
    zip_source_close(source);
    if (read != size || size < 0) return unreadable;
    return bytes;
}

// The archive's bytes; a failure says why, in words that follow "cannot make the ZIP archive".
Result<std::string> unnamedArchiveBytes(const std::vector<ArchiveEntry>& entries) {
    zip_error_t error;
    zip_error_init(&error);
    SourceHandle memory(zip_source_buffer_create(nullptr, 0, 0, &error));
    zip_t* zip = memory ? zip_open_from_source(memory.get(), ZIP_TRUNCATE, &error) : nullptr;
    const Words openFailure = zip ? Words() : zipErrorText(&error);
    zip_error_fini(&error);
    if (!zip) return Error{"", CoreMessage::wording("cannot make the archive in memory (%1)"), {openFailure}};
    zip_source_keep(memory.get());  // zip_close lets go of the source; it is read afterwards
    if (std::optional<Words> why = addEntries(zip, entries)) {
        zip_discard(zip);
        return Error{"", std::move(*why)};
    }
    if (zip_close(zip) != 0) {
        const Words why = zipErrorText(zip_get_error(zip));
        zip_discard(zip);
        return Error{"", CoreMessage::wording("writing the archive failed (%1)"), {why}};
    }
    return sourceBytes(memory.get());
}

}  // namespace

Error PackFailure(const std::filesystem::path& archive, const Error& why) {
    return Error{archive.string(), CoreMessage::wording("cannot make the ZIP archive: %1"), {why.words}};
}

Result<std::string> PackArchiveBytes(const std::vector<ArchiveEntry>& entries) {
    auto bytes = unnamedArchiveBytes(entries);
    if (!bytes) return PackFailure("", bytes.error());
    return bytes;
}

Status PackEntries(const std::filesystem::path& archive, const std::vector<ArchiveEntry>& entries) {
    auto bytes = PackArchiveBytes(entries);
    if (!bytes) return bytes.error().withPath(archive.string());
    if (Status written = WriteFileAtomically(archive, *bytes); !written) return PackFailure(archive, written.error());
    return ok();
}

}  // namespace pelterra
