// PNG files the command line writes: the picture encoded in memory, with an alpha channel when
// one is given, and written whole beside the target and renamed over it (WriteFileAtomically),
// so a failed write keeps an older file as it was.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "image/bitmap.h"
#include "result.h"

namespace pelterra::cli {

// RGB, or RGBA when `alpha` holds one value per pixel.
Result<std::string> EncodePng(const Bitmap& picture, const std::vector<std::uint8_t>* alpha = nullptr);

Status WritePng(const Bitmap& picture, const std::vector<std::uint8_t>* alpha, const std::filesystem::path& file);

}  // namespace pelterra::cli
