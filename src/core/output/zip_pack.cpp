#include "output/zip_pack.h"

#include <zip.h>

#include <random>
#include <system_error>

namespace pelterra {

std::string QuoteIfNeeded(std::string_view text) {
    if (text.find(' ') == std::string_view::npos && text.find(',') == std::string_view::npos)
        return std::string(text);
    return "\"" + std::string(text) + "\"";
}

std::string WithTrailingSeparator(std::string_view path) {
    std::string p(path);
    while (!p.empty() && p.back() == ' ') p.pop_back();
    if (p.empty() || p.back() != '\\') p += '\\';
    return p;
}

namespace {

const char* const kZipFailed = "Zip圧縮失敗";

Error packError(const std::filesystem::path& archive, const std::string& why) {
    return Error{archive.string(), std::string(kZipFailed) + ": " + why};
}

std::string zipErrorText(zip_error_t* error) {
    const char* text = zip_error_strerror(error);
    return text ? text : "unknown archive error";
}

}  // namespace

Status PackFiles(const std::filesystem::path& archive, const std::filesystem::path& sourceFolder,
                 const std::vector<std::string>& names) {
    namespace fs = std::filesystem;
    std::random_device rd;
    const fs::path temp = archive.parent_path() / (".~" + archive.filename().string() + "." + std::to_string(rd()) + ".tmp");
    auto discardTemp = [&] {
        std::error_code ignored;
        fs::remove(temp, ignored);
    };
    for (const std::string& name : names)
        if (!fs::is_regular_file(sourceFolder / name))
            return packError(archive, "the skin file " + (sourceFolder / name).string() + " is missing");

    int errorCode = 0;
    zip_t* zip = zip_open(temp.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &errorCode);
    if (!zip) {
        zip_error_t error;
        zip_error_init_with_code(&error, errorCode);
        std::string why = "cannot create the archive in this folder (" + zipErrorText(&error) + ")";
        zip_error_fini(&error);
        return packError(archive, why);
    }
    for (const std::string& name : names) {
        const std::string source = (sourceFolder / name).string();
        zip_source_t* src = zip_source_file(zip, source.c_str(), 0, -1);
        if (!src || zip_file_add(zip, name.c_str(), src, ZIP_FL_OVERWRITE | ZIP_FL_ENC_GUESS) < 0) {
            const std::string why = "cannot add " + name + " (" + zipErrorText(zip_get_error(zip)) + ")";
            if (src) zip_source_free(src);
            zip_discard(zip);
            discardTemp();
            return packError(archive, why);
        }
    }
    if (zip_close(zip) != 0) {
        const std::string why = "writing the archive failed (" + zipErrorText(zip_get_error(zip)) + ")";
        zip_discard(zip);
        discardTemp();
        return packError(archive, why);
    }
    std::error_code ec;
    fs::rename(temp, archive, ec);
    if (ec) {
        discardTemp();
        return packError(archive, "cannot replace the archive: " + ec.message());
    }
    return ok();
}

bool FindLibrary(std::string_view fileName) {
    // The archiver is built into the program; only the archiver's own name finds it.
    return fileName == "zip32j.dll";
}

}  // namespace pelterra
