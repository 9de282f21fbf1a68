// How large a picture may be, read or made, and byte counts of pictures that cannot overflow.
// One limit for both: the program never makes a picture it would refuse to read, and a picture
// at the limit (256 MB of pixels) still fits in memory beside its encoded file and keeps every
// row and byte count an encoder works with well inside an int.
#pragma once

#include <cstddef>
#include <optional>

#include "result.h"

namespace pelterra {

inline constexpr int kMaxPictureSide = 16384;
inline constexpr long long kMaxPicturePixels = 64LL * 1000 * 1000;

// True when width x height lies within the limits (a side of 0 is an empty picture and fits).
constexpr bool FitsPictureLimits(long long width, long long height) {
    return width >= 0 && height >= 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

// a * b * c, or nullopt when the product does not fit in a size_t.
std::optional<std::size_t> CheckedProduct(std::size_t a, std::size_t b, std::size_t c = 1);

// "at most 16384 on a side and 64 million pixels": the limit `maxPixels` in words.
Words PixelCountInWords(long long maxPixels);

// An error when a picture of width x height pixels is beyond the limits and must not be made;
// asked before anything of its size is allocated.
Status CheckPictureToMake(long long width, long long height);

// For constructors, which cannot return an error: throws std::length_error when width x height
// is beyond the limits. Every size a user chooses is held to CheckPictureToMake first, so this
// only stops a fault of the program before it allocates.
void RequirePictureWithinLimits(long long width, long long height);

}  // namespace pelterra
