// The fixed pictures of PartsData\system that the slider sheets are laid through: the Mask and
// Data images of the normal (volume.*) and translucent (volume2.*) look, 68x433 each. They are
// read afresh at every build, all four before any sheet is touched, so that a missing or broken
// file stops the build with every sheet as it was.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

#include "image/bitmap.h"
#include "result.h"

namespace pelterra {

struct SystemImages {
    Bitmap volumeMask;   // volume.mask.bmp
    Bitmap volumeData;   // volume.data.bmp
    Bitmap volume2Mask;  // volume2.mask.bmp
    Bitmap volume2Data;  // volume2.data.bmp
};

// The four file tails below the program folder, in the order they are read.
inline constexpr std::array<std::string_view, 4> kSystemImageTails = {
    "\\PartsData\\system\\volume.mask.bmp",
    "\\PartsData\\system\\volume.data.bmp",
    "\\PartsData\\system\\volume2.mask.bmp",
    "\\PartsData\\system\\volume2.data.bmp",
};

// Reads the four pictures, names matched without regard to letter case. Fails on the first one
// that is missing or cannot be decoded, naming it.
Result<SystemImages> LoadSystemImages(const std::filesystem::path& programFolder);

}  // namespace pelterra
