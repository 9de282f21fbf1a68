// Shared pictures for the skin build tests: faces whose every pixel is distinct, a temporary
// program folder with the four system pictures of PartsData\system, and a document whose base
// picture counts as opened.
#pragma once

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "document/document.h"
#include "image/bitmap.h"
#include "image/picture_file.h"
#include "support/temp_dir.h"

namespace pelterra::build_test {

// Every pixel of a face up to 1024 wide differs from every other, and from the same place of a
// face with another seed.
inline Bitmap distinctPicture(int w, int h, int seed) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.at(x, y) = RGB(x & 0xFF, y & 0xFF, (seed * 4 + (x >> 8)) & 0xFF);
    return b;
}

inline constexpr Colour kSystemMask = RGB(0xF0, 0x0F, 0x33);
inline constexpr Colour kSystemData = RGB(0xAA, 0x55, 0xCC);
inline constexpr Colour kSystemMask2 = RGB(0x0F, 0xF0, 0xCC);
inline constexpr Colour kSystemData2 = RGB(0x66, 0x99, 0x3C);

// A program folder holding PartsData\system with the four 68x433 system pictures.
class ProgramFolder {
public:
    ProgramFolder() {
        std::filesystem::create_directories(system());
        write("volume.mask.bmp", Bitmap(68, 433, kSystemMask));
        write("volume.data.bmp", Bitmap(68, 433, kSystemData));
        write("volume2.mask.bmp", Bitmap(68, 433, kSystemMask2));
        write("volume2.data.bmp", Bitmap(68, 433, kSystemData2));
    }
    const std::filesystem::path& path() const { return m_dir.path(); }
    std::filesystem::path system() const { return m_dir / "PartsData" / "system"; }
    void write(const std::string& name, const Bitmap& picture) {
        ASSERT_TRUE(SavePicture(picture, (system() / name).string()).ok());
    }

private:
    test_support::TempDir m_dir;
};

// A document with distinct bands in Picture1 and Picture2, a slider atlas in picData(4), and a
// base picture that counts as opened.
inline void prepareDocument(Document& doc) {
    doc.assignSlot(pic::Picture1, -1, distinctPicture(275, 116, 1));
    doc.assignSlot(pic::Picture2, -1, distinctPicture(275, 116, 2));
    doc.assignSlot(pic::picData, 4, distinctPicture(59, 22, 3));
    doc.BackgroundImagePath = "/pictures/sky.bmp";
    doc.BackgroundImageTitle = "sky.bmp";
}

}  // namespace pelterra::build_test
