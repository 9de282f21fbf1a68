// Sample base pictures beside PartsData: player faces of one, two and three bands (main
// window, equalizer, playlist) to open as the base picture, and a region picture whose key
// colour cuts the corners of both windows round.
#include <string>

#include "fonts.h"
#include "image/drawing.h"
#include "layout.h"
#include "parts.h"
#include "surfaces.h"

namespace partsgen {

using pelterra::RGB;
using pelterra::RasterOp;

namespace {

inline constexpr int kBand = 116;
inline constexpr Colour kRegionKey = RGB(255, 0, 255);
inline constexpr int kCornerRadius = 7;

// The playlist band: a title strip and a list panel. It draws no caption and no buttons: the
// playlist's title, its top tiles (cut from x 127 of the strip, inside the title) and its menu
// buttons come from the playlist parts, and text drawn there would show in pieces in every tile.
Sprite drawPlaylistBand(const Style& st) {
    Sprite s(kFaceSize.w, kFaceSize.h);
    const Rect whole{0, 0, kFaceSize.w, kFaceSize.h};
    ringRoundRect(s, whole, st.radius * 2, 3, verticalGradient(whole, st.faceTop, st.faceBottom));
    drawTitleStrip(s, kTitleArea, st, "");
    const Rect list{10, 18, 255, 68};
    drawPanel(s, list, st);
    for (int y = list.y + 9; y < list.y + list.h - 2; y += 9)
        for (int x = list.x + 3; x < list.x + list.w - 3; x += 2) paintPixel(s, x, y, mix(st.panel, st.lit, 60));
    return s;
}

Bitmap drawBand(const Style& st, int band) {
    Bitmap face = faceGround(st, kFaceSize.w, kFaceSize.h);
    switch (band) {
        case 0: composite(face, drawMainFrame(st), {0, 0}); break;
        case 1: composite(face, drawEqFrame(st), {0, 0}); break;
        default: composite(face, drawPlaylistBand(st), {0, 0}); break;
    }
    return face;
}

Bitmap drawBase(const Style& st, int bands) {
    Bitmap picture(kFaceSize.w, kBand * bands);
    for (int band = 0; band < bands; ++band)
        pelterra::BitBlt(picture, 0, kBand * band, kFaceSize.w, kBand, drawBand(st, band), 0, 0, RasterOp::SRCCOPY);
    return picture;
}

// Paints the key colour over the four corners of one 275 x 116 window, outside a circle of
// kCornerRadius: tracing then keeps the window with round corners.
void cutRoundCorners(Bitmap& picture, int top) {
    const int r = kCornerRadius;
    for (int dy = 0; dy < r; ++dy) {
        for (int dx = 0; dx < r; ++dx) {
            const int ox = r - dx, oy = r - dy;  // distance from the corner circle's centre, doubled below
            if ((2 * ox - 1) * (2 * ox - 1) + (2 * oy - 1) * (2 * oy - 1) <= 4 * r * r) continue;
            pelterra::SetPixel(picture, dx, top + dy, kRegionKey);
            pelterra::SetPixel(picture, kFaceSize.w - 1 - dx, top + dy, kRegionKey);
            pelterra::SetPixel(picture, dx, top + kBand - 1 - dy, kRegionKey);
            pelterra::SetPixel(picture, kFaceSize.w - 1 - dx, top + kBand - 1 - dy, kRegionKey);
        }
    }
}

}  // namespace

void addSamples(Library& library) {
    const Style& glass = kStyles[1];
    const Style& metal = kStyles[0];
    const Style& flat = kStyles[2];
    library.addPicture("Samples/base_main.bmp", drawBase(glass, 1));
    const Bitmap twoBands = drawBase(metal, 2);
    library.addPicture("Samples/base_main_eq.bmp", twoBands);
    library.addPicture("Samples/base_main_eq_playlist.bmp", drawBase(flat, 3));
    library.addPicture("Samples/photo.bmp", drawPhotoSample());
    // One picture of all three bands per style, for a skin that is of one style throughout.
    for (const Style& st : kStyles)
        library.addPicture("Samples/styles/" + std::string(st.name) + ".bmp", drawBase(st, 3));
    Bitmap region = twoBands;
    cutRoundCorners(region, 0);
    cutRoundCorners(region, kBand);
    library.addPicture("Samples/region_main_eq.bmp", region);
}

}  // namespace partsgen
