// Picture files: LoadPicture decodes BMP (1, 4, 8, 24 and 32 bits per pixel, bottom-up and
// top-down), JPEG, GIF (first frame) and PNG; SavePicture writes a 24-bit BMP that keeps every
// pixel. Bad files give an error naming the file and the fault, never a crash.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "image/bitmap.h"
#include "image/picture_size.h"
#include "result.h"

namespace pelterra {

// Largest file LoadPicture reads into memory; a bigger file is refused before it is read.
inline constexpr std::uintmax_t kMaxPictureFileBytes = 256u * 1024 * 1024;

// The size bounds a decode checks before it allocates anything (by default the limits of
// picture_size.h: beyond them a file is refused before anything is allocated). The fuzzer narrows them so that
// each input decodes quickly; every other caller uses the defaults.
struct PictureLimits {
    int maxSide = kMaxPictureSide;
    long long maxPixels = kMaxPicturePixels;
};

Result<Bitmap> LoadPicture(const std::string& path);

// The bytes of a picture file, read whole, with the errors LoadPicture gives for a file that is
// missing, out of reach (permissions, a loop of links), no regular file, empty or too big.
Result<std::vector<std::uint8_t>> ReadPictureFile(const std::string& path);

// The size a picture's header states, held to the limits; nothing is decoded, so asking costs
// nothing however large the picture. A damaged or oversized header gives the error that
// DecodePicture would give.
struct PictureSize {
    int width = 0;
    int height = 0;
};
Result<PictureSize> ReadPictureSize(std::span<const std::uint8_t> bytes, const std::string& name,
                                    const PictureLimits& limits = {});

// Decodes a picture held in memory; `name` is used in error messages (the clipboard, a test).
Result<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes, const std::string& name);
Result<Bitmap> DecodePicture(std::span<const std::uint8_t> bytes, const std::string& name,
                             const PictureLimits& limits);

// Writes the bitmap as a 24-bit BMP (rows padded to 4 bytes), replacing any existing file.
Status SavePicture(const Bitmap& bitmap, const std::string& path);

// The bytes of the 24-bit BMP SavePicture writes.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap);

}  // namespace pelterra
