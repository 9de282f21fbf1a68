// The fixed files of PartsData\system (the volume level overlays and the region files) and
// PartsData\cg.bmp, the checkerboard behind the region editor's pictures.
#include <string>

#include "image/drawing.h"
#include "parts.h"
#include "sheets/skin_sheets.h"

namespace partsgen {

using pelterra::kBlack;
using pelterra::kWhite;
using pelterra::RGB;

namespace {

// volume.bmp: 28 track frames, frame k at (0, 15k), 68 x 14; the knob cells from row 422.
inline constexpr int kVolumeWidth = pelterra::SkinSheetOf(pelterra::pic::volume).width;
inline constexpr int kVolumeHeight = pelterra::SkinSheetOf(pelterra::pic::volume).height;
inline constexpr int kVolumeFrames = 28;
inline constexpr int kVolumeFramePitch = 15;
// The level bar inside a frame: rows 4..8, from column 2, two pixels long in frame 0 and 64
// long in frame 27.
inline constexpr Rect kLevelBar{2, 4, 64, 5};
inline constexpr int kShortestBar = 2;

int barLength(int frame) {
    return kShortestBar + (kLevelBar.w - kShortestBar) * frame / (kVolumeFrames - 1);
}

// Green in frame 0, through yellow, to red in frame 27.
Colour levelColour(int frame) {
    const Colour green = RGB(40, 210, 70), yellow = RGB(250, 220, 40), red = RGB(235, 50, 40);
    const int half = (kVolumeFrames - 1) / 2;
    return frame <= half ? mix(green, yellow, frame * 255 / half)
                         : mix(yellow, red, (frame - half) * 255 / (kVolumeFrames - 1 - half));
}

// The overlay of the slider sheets: the Mask marks the level bar of every frame (white), the
// Data colours it. With `translucent` the bar is a checker, so the face shows through half of
// its pixels. Everything else, the knob cells included, stays black: there the face and the
// knobs show unchanged.
Sprite drawVolumeOverlay(bool translucent) {
    Sprite s(kVolumeWidth, kVolumeHeight);
    for (int frame = 0; frame < kVolumeFrames; ++frame) {
        const int top = frame * kVolumeFramePitch + kLevelBar.y;
        const Colour c = levelColour(frame);
        for (int y = top; y < top + kLevelBar.h; ++y)
            for (int x = kLevelBar.x; x < kLevelBar.x + barLength(frame); ++x)
                if (!translucent || (x + y) % 2 == 0) paintPixel(s, x, y, c);
    }
    return s;
}

// region.txt and its work files hold the whole window, 275 x 116, as one rectangle per
// window until the user traces a region picture.
inline constexpr std::string_view kWholeWindowCount = "4,";
inline constexpr std::string_view kWholeWindowPoints = "0,0,275,0,275,116,0,116,";

std::string regionText() {
    const std::string section = "NumPoints=" + std::string(kWholeWindowCount) + "\r\nPointList=" +
                                std::string(kWholeWindowPoints);
    return "[Normal]\r\n" + section + "\r\n\r\n[Equalizer]\r\n" + section;
}

// cg.bmp: light grey checks of 8 pixels, a size above the 277 x 118 picture areas.
inline constexpr int kCheckerWidth = 280;
inline constexpr int kCheckerHeight = 120;
inline constexpr int kCheck = 8;

Bitmap drawChecker() {
    Bitmap b(kCheckerWidth, kCheckerHeight, kWhite);
    for (int y = 0; y < kCheckerHeight; y += kCheck)
        for (int x = 0; x < kCheckerWidth; x += kCheck)
            pelterra::Line(b, x, y, x + kCheck - 1, y + kCheck - 1,
                           ((x + y) / kCheck) % 2 ? RGB(200, 200, 200) : RGB(236, 236, 236),
                           pelterra::LineForm::FilledBox);
    return b;
}

}  // namespace

void addSystemFiles(Library& library) {
    library.addMaskedPicture("PartsData/system/volume.data.bmp", "PartsData/system/volume.mask.bmp",
                             drawVolumeOverlay(false));
    library.addMaskedPicture("PartsData/system/volume2.data.bmp", "PartsData/system/volume2.mask.bmp",
                             drawVolumeOverlay(true));
    library.addFile("PartsData/system/region.txt", regionText());
    library.addFile("PartsData/system/region1.txt", std::string(kWholeWindowCount));
    library.addFile("PartsData/system/region2.txt", std::string(kWholeWindowPoints));
    library.addFile("PartsData/system/region3.txt", std::string(kWholeWindowCount));
    library.addFile("PartsData/system/region4.txt", std::string(kWholeWindowPoints));
    library.addPicture("PartsData/cg.bmp", drawChecker());
}

}  // namespace partsgen
