#include "png_write.h"

#include <climits>
#include <optional>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "fs/atomic_file.h"
#include "image/picture_size.h"

namespace pelterra::cli {

namespace {

// stb's encoder counts in int: a row of `stride` bytes, and the filtered picture of one more byte
// a row. Within the picture limits every count fits; the check holds even if they were raised.
std::optional<std::size_t> pngByteCount(const Bitmap& picture, int channels) {
    const auto bytes = CheckedProduct(static_cast<std::size_t>(picture.width()),
                                      static_cast<std::size_t>(picture.height()), static_cast<std::size_t>(channels));
    if (!bytes || *bytes + static_cast<std::size_t>(picture.height()) > static_cast<std::size_t>(INT_MAX))
        return std::nullopt;
    return bytes;
}

}  // namespace

Result<std::string> EncodePng(const Bitmap& picture, const std::vector<std::uint8_t>* alpha) {
    const bool withAlpha = alpha && alpha->size() == picture.pixels().size();
    const int channels = withAlpha ? 4 : 3;
    const std::optional<std::size_t> byteCount = pngByteCount(picture, channels);
    if (picture.empty() || !byteCount) return Error{"", "the picture could not be encoded as PNG"};
    std::vector<unsigned char> bytes(*byteCount);
    unsigned char* to = bytes.data();
    for (std::size_t i = 0; i < picture.pixels().size(); ++i) {
        const Colour c = picture.pixels()[i];
        *to++ = static_cast<unsigned char>(GetRed(c));
        *to++ = static_cast<unsigned char>(GetGreen(c));
        *to++ = static_cast<unsigned char>(GetBlue(c));
        if (withAlpha) *to++ = (*alpha)[i];
    }
    std::string png;
    const auto append = [](void* context, void* data, int size) {
        static_cast<std::string*>(context)->append(static_cast<const char*>(data), static_cast<std::size_t>(size));
    };
    const int stride = picture.width() * channels;
    if (!stbi_write_png_to_func(append, &png, picture.width(), picture.height(), channels, bytes.data(), stride))
        return Error{"", "the picture could not be encoded as PNG"};
    return png;
}

Status WritePng(const Bitmap& picture, const std::vector<std::uint8_t>* alpha, const std::filesystem::path& file) {
    auto png = EncodePng(picture, alpha);
    if (!png) return Error{file.string(), png.error().message};
    return WriteFileAtomically(file, *png);
}

}  // namespace pelterra::cli
