// PNG pixels through libpng, read row by row straight into the Bitmap: the only picture-sized
// memory is the Bitmap itself. (stb_image inflates the whole file first and, for a 16-bit PNG,
// keeps that data and a 16-bit picture at once: an 8000 x 8000 RGBA file of half a megabyte
// cost a gigabyte.) Pixels come out as stb gave them: 16-bit samples cut to their high byte,
// grey spread to red, green and blue, palettes looked up, alpha and transparency left out.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "image/bitmap.h"

namespace pelterra {

// The pixels of a PNG whose header says `width` x `height`, which the caller has held to its
// limits; nullopt when the file is damaged, cut short, or its header says something else.
std::optional<Bitmap> DecodePngPixels(std::span<const std::uint8_t> bytes, int width, int height);

}  // namespace pelterra
