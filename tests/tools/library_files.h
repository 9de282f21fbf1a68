// The generated library as the tools tests read it: the folder the build wrote it into, and
// pictures loaded and cut from it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "image/drawing.h"
#include "image/picture_file.h"

namespace pelterra::library_files {

inline const std::filesystem::path kBin = PELTERRA_BIN_DIR;
inline const std::filesystem::path kParts = kBin / "PartsData";

// The picture in a file; a file that does not load fails the test and gives an empty picture.
inline Bitmap load(const std::filesystem::path& file) {
    Result<Bitmap> picture = LoadPicture(file.string());
    EXPECT_TRUE(picture.ok()) << file;
    return picture.ok() ? picture.value() : Bitmap();
}

inline Bitmap cut(const Bitmap& b, Rect r) {
    Bitmap cell(r.w, r.h, kBlack);
    BitBlt(cell, 0, 0, r.w, r.h, b, r.x, r.y, RasterOp::SRCCOPY);
    return cell;
}

}  // namespace pelterra::library_files
