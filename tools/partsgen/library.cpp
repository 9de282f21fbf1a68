#include "library.h"

#include <fstream>
#include <iterator>

#include "image/picture_file.h"

namespace partsgen {

namespace fs = std::filesystem;
using pelterra::EncodeBmp24;
using pelterra::Error;
using pelterra::kWhite;

Bitmap whiteMask(const Category& c) { return Bitmap(c.width, c.height, kWhite); }

void Library::put(const std::string& path, std::vector<std::uint8_t> bytes) { m_files[path] = std::move(bytes); }

void Library::addPart(const Category& c, std::string_view name, const Sprite& part, Storage storage) {
    const std::string folder(c.folder), base(name);
    switch (storage) {
        case Storage::SingleFolder:
            put(folder + "/" + base + ".data.bmp", EncodeBmp24(part.data));
            put(folder + "/" + base + ".mask.bmp", EncodeBmp24(part.mask));
            m_shown.push_back({std::string(c.folder.substr(c.folder.find('/') + 1)) + "/" + base, part.data, part.mask});
            return;
        case Storage::Split:
            put(folder + "/data/" + base + ".bmp", EncodeBmp24(part.data));
            put(folder + "/mask/" + base + ".bmp", EncodeBmp24(part.mask));
            m_shown.push_back({std::string(c.folder.substr(c.folder.find('/') + 1)) + "/" + base, part.data, part.mask});
            return;
        case Storage::DataOnly:
            put(folder + "/" + base + ".data.bmp", EncodeBmp24(part.data));
            m_shown.push_back({std::string(c.folder.substr(c.folder.find('/') + 1)) + "/" + base, part.data, whiteMask(c)});
            return;
    }
}

void Library::addGlyphSheet(const Category& c, std::string_view name, const Bitmap& sheet) {
    const std::string base(name);
    put(std::string(c.folder) + "/" + base + ".bmp", EncodeBmp24(sheet));
    m_shown.push_back({std::string(c.folder.substr(c.folder.find('/') + 1)) + "/" + base, sheet,
                       Bitmap(sheet.width(), sheet.height(), kWhite)});
}

void Library::addPicture(const std::string& path, const Bitmap& picture, bool shown) {
    put(path, EncodeBmp24(picture));
    if (shown) m_shown.push_back({path.substr(path.find('/') + 1), picture, Bitmap(picture.width(), picture.height(), kWhite)});
}

void Library::addMaskedPicture(const std::string& dataPath, const std::string& maskPath, const Sprite& s) {
    put(dataPath, EncodeBmp24(s.data));
    put(maskPath, EncodeBmp24(s.mask));
    m_shown.push_back({dataPath.substr(dataPath.find('/') + 1), s.data, s.mask});
}

void Library::addFile(const std::string& path, std::string bytes) {
    put(path, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

namespace {

bool holdsBytes(const fs::path& file, const std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec) || fs::file_size(file, ec) != bytes.size()) return false;
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> existing((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return existing == bytes;
}

}  // namespace

pelterra::Status Library::writeTo(const fs::path& root) const {
    for (const auto& [path, bytes] : m_files) {
        const fs::path file = root / fs::path(path);
        if (holdsBytes(file, bytes)) continue;
        std::error_code ec;
        fs::create_directories(file.parent_path(), ec);
        if (ec) return Error{file.parent_path().string(), "the folder cannot be created: " + ec.message()};
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) return Error{file.string(), "the file cannot be written"};
    }
    return pelterra::ok();
}

}  // namespace partsgen
