#include "image/picture_size.h"

#include <stdexcept>
#include <string>

namespace pelterra {

std::optional<std::size_t> CheckedProduct(std::size_t a, std::size_t b, std::size_t c) {
    std::size_t ab = 0, abc = 0;
    if (__builtin_mul_overflow(a, b, &ab) || __builtin_mul_overflow(ab, c, &abc)) return std::nullopt;
    return abc;
}

Words PixelCountInWords(long long maxPixels) {
    const long long millions = maxPixels / (1000 * 1000);
    if (millions * 1000 * 1000 == maxPixels) return Words(CoreMessage::wording("%1 million"), {millions});
    return Words(maxPixels);
}

Status CheckPictureToMake(long long width, long long height) {
    if (FitsPictureLimits(width, height)) return ok();
    return Error{"",
                 CoreMessage::wording(
                     "the picture would be %1 × %2 pixels; at most %3 on a side and %4 pixels are made"),
                 {width, height, kMaxPictureSide, PixelCountInWords(kMaxPicturePixels)}};
}

void RequirePictureWithinLimits(long long width, long long height) {
    if (!FitsPictureLimits(width, height))
        throw std::length_error("a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                                " pixels is beyond the size limits");
}

}  // namespace pelterra
