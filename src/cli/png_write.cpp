#include "png_write.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "fs/atomic_file.h"

namespace pelterra::cli {

Result<std::string> EncodePng(const Bitmap& picture, const std::vector<std::uint8_t>* alpha) {
    const int width = picture.width(), height = picture.height();
    const bool withAlpha = alpha && alpha->size() == picture.pixels().size();
    const int channels = withAlpha ? 4 : 3;
    std::vector<unsigned char> bytes;
    bytes.reserve(picture.pixels().size() * channels);
    for (std::size_t i = 0; i < picture.pixels().size(); ++i) {
        const Colour c = picture.pixels()[i];
        bytes.push_back(static_cast<unsigned char>(GetRed(c)));
        bytes.push_back(static_cast<unsigned char>(GetGreen(c)));
        bytes.push_back(static_cast<unsigned char>(GetBlue(c)));
        if (withAlpha) bytes.push_back((*alpha)[i]);
    }
    std::string png;
    const auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
    };
    if (picture.empty() || !stbi_write_png_to_func(append, &png, width, height, channels, bytes.data(), width * channels))
        return Error{"", "the picture could not be encoded as PNG"};
    return png;
}

Status WritePng(const Bitmap& picture, const std::vector<std::uint8_t>* alpha, const std::filesystem::path& file) {
    auto png = EncodePng(picture, alpha);
    if (!png) return Error{file.string(), png.error().message};
    return WriteFileAtomically(file, *png);
}

}  // namespace pelterra::cli
