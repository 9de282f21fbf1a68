// Region pictures for the tests: image pixels chosen by a rule, as a picture file would hold them
// or laid into a 277 x 118 area inside the key colour frame, and a program folder with a work
// folder of its own.
#pragma once

#include <filesystem>

#include "image/bitmap.h"
#include "image/drawing.h"
#include "support/temp_dir.h"

namespace pelterra::region_test {

inline constexpr Colour kKey = RGB(255, 0, 255);
inline constexpr Colour kKept = RGB(10, 20, 30);
inline constexpr Colour kBackground = RGB(200, 200, 200);

// A 275 x height picture: key colour where isKey(u, v), kept colour elsewhere.
template <typename IsKey>
Bitmap pictureOf(IsKey isKey, int height = 116) {
    Bitmap picture(275, height, kKept);
    for (int v = 0; v < height; ++v)
        for (int u = 0; u < 275; ++u)
            if (isKey(u, v)) picture.at(u, v) = kKey;
    return picture;
}

// The area a trace reads: the picture at (1, 1) inside the one-pixel key colour frame.
template <typename IsKey>
Bitmap areaOf(IsKey isKey) {
    Bitmap area(277, 118, kBackground);
    BitBlt(area, 1, 1, 275, 116, pictureOf(isKey), 0, 0, RasterOp::SRCCOPY);
    Line(area, 0, 0, 276, 117, kKey, LineForm::Box);
    return area;
}

inline Bitmap cutOutBackground() { return Bitmap(277, 118, kBackground); }

// A program folder with an empty PartsData\system, and a per-user work folder of its own for
// the files a trace writes.
class ProgramFolder {
public:
    ProgramFolder() {
        std::filesystem::create_directories(system());
        std::filesystem::create_directories(work());
    }
    const std::filesystem::path& path() const { return m_dir.path(); }
    std::filesystem::path system() const { return m_dir.path() / "PartsData" / "system"; }
    std::filesystem::path work() const { return m_userData.workFolder(); }

private:
    test_support::TempDir m_dir;
    test_support::UserDataFolder m_userData;
};

}  // namespace pelterra::region_test
