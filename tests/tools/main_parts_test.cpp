// The main-window parts of every style: the frame lets the picture through its face and holds
// black wells exactly where the players draw glyphs, its labels carry a readable halo, and the
// states of the buttons, lights and title bars differ clearly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>

#include "colours/contrast.h"
#include "tools/library_files.h"

namespace pelterra {
namespace {

namespace fs = std::filesystem;

using namespace library_files;

const char* const kStyleNames[] = {"Classic", "Glass", "Metal", "Flat", "Outline"};

struct Part {
    Bitmap data, mask;
};

// A part in whichever form its style stores it: X.data.bmp with X.mask.bmp or the folder's
// Default_white mask, or data\X.bmp with mask\X.bmp.
Part loadPart(const std::string& folder, const std::string& style) {
    const fs::path dir = kParts / folder;
    if (fs::exists(dir / (style + ".data.bmp"))) {
        const fs::path mask = dir / (style + ".mask.bmp");
        return {load(dir / (style + ".data.bmp")), load(fs::exists(mask) ? mask : dir / "Default_white.mask.bmp")};
    }
    return {load(dir / "data" / (style + ".bmp")), load(dir / "mask" / (style + ".bmp"))};
}

// ---- the frame ----

// Points of the face no frame element covers: the picture shows there.
const Point kFacePoints[] = {{140, 55}, {200, 38}, {137, 100}, {60, 95}, {230, 20}, {60, 66}, {15, 30}};
// Points on the rims of the wells: the frame covers them.
const Point kRimPoints[] = {{180, 24}, {22, 40}, {118, 50}, {167, 45}, {60, 60}};
// Where the players draw glyphs and pictures into the wells: pure black, covered.
struct GlyphPlace {
    const char* name;
    Rect r;
};
const GlyphPlace kGlyphPlaces[] = {
    {"minus", {36, 26, 9, 13}},       {"minutes", {48, 26, 21, 13}},   {"seconds", {78, 26, 21, 13}},
    {"play state", {24, 28, 11, 9}},  {"visualisation", {24, 43, 76, 16}}, {"song title", {111, 27, 154, 6}},
    {"kbps", {111, 43, 15, 6}},       {"khz", {156, 43, 10, 6}},
};
static_assert(std::size(kGlyphPlaces) == 8);
const Rect kColon{69, 26, 9, 13};

TEST(MainFrame, EveryStyleShowsThePictureThroughItsFaceAroundBlackWells) {
    for (const char* style : kStyleNames) {
        ASSERT_TRUE(fs::exists(kParts / "frame" / (std::string(style) + ".mask.bmp")) ||
                    fs::exists(kParts / "frame" / "mask" / (std::string(style) + ".bmp")))
            << style << ": a frame without its own mask covers the whole picture";
        const Part frame = loadPart("frame", style);
        for (Point p : kFacePoints) EXPECT_EQ(frame.mask.at(p.x, p.y), kBlack) << style << " at " << p.x << "," << p.y;
        for (Point p : kRimPoints) EXPECT_EQ(frame.mask.at(p.x, p.y), kWhite) << style << " at " << p.x << "," << p.y;
        for (const GlyphPlace& place : kGlyphPlaces) {
            int notBlack = 0;
            for (int y = place.r.y; y < place.r.y + place.r.h; ++y)
                for (int x = place.r.x; x < place.r.x + place.r.w; ++x)
                    notBlack += frame.data.at(x, y) != kBlack || frame.mask.at(x, y) != kWhite;
            EXPECT_EQ(notBlack, 0) << style << ": " << place.name;
        }
        int colon = 0;
        for (int y = kColon.y; y < kColon.y + kColon.h; ++y)
            for (int x = kColon.x; x < kColon.x + kColon.w; ++x) colon += frame.data.at(x, y) != kBlack;
        EXPECT_EQ(colon, 8) << style << ": two 2 x 2 dots between the minutes and the seconds";
    }
}


// The labels beside the kbps and kHz wells: two colours only, ink and halo, at 3:1 or more, and
// every pixel next to the ink is covered, so no picture pixel touches a letter.
TEST(MainFrame, LabelsOnTheFaceCarryAHaloOfEnoughContrast) {
    const Rect labels[] = {{130, 42, 19, 7}, {169, 42, 15, 7}};
    for (const char* style : kStyleNames) {
        const Part frame = loadPart("frame", style);
        for (const Rect& r : labels) {
            std::set<Colour> colours;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    if (frame.mask.at(x, y) == kWhite) colours.insert(frame.data.at(x, y));
            ASSERT_EQ(colours.size(), 2u) << style << " label at " << r.x;
            const Colour a = *colours.begin(), b = *colours.rbegin();
            EXPECT_GE(ContrastRatio(a, b), 3.0) << style << " label at " << r.x;
            // The row above the letters holds halo only.
            Colour halo = kBlack;
            for (int x = r.x; x < r.x + r.w; ++x)
                if (frame.mask.at(x, r.y) == kWhite) halo = frame.data.at(x, r.y);
            const Colour ink = halo == a ? b : a;
            int openBesideInk = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x) {
                    if (frame.mask.at(x, y) != kWhite || frame.data.at(x, y) != ink) continue;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) openBesideInk += frame.mask.at(x + dx, y + dy) != kWhite;
                }
            EXPECT_EQ(openBesideInk, 0) << style << " label at " << r.x;
        }
    }
}

// ---- states ----

// Two cells of a sheet the players show for the two states of one control.
struct StatePair {
    const char* folder;
    const char* what;
    Rect a;
    Point b;
};
const StatePair kStatePairs[] = {
    {"cbuttons", "previous pressed", {0, 0, 23, 18}, {0, 18}},
    {"cbuttons", "play pressed", {23, 0, 23, 18}, {23, 18}},
    {"cbuttons", "pause pressed", {46, 0, 23, 18}, {46, 18}},
    {"cbuttons", "stop pressed", {69, 0, 23, 18}, {69, 18}},
    {"cbuttons", "next pressed", {92, 0, 22, 18}, {92, 18}},
    {"cbuttons", "eject pressed", {114, 0, 22, 16}, {114, 16}},
    {"shufrep", "repeat on", {0, 0, 28, 15}, {0, 30}},
    {"shufrep", "repeat pressed", {0, 0, 28, 15}, {0, 15}},
    {"shufrep", "repeat on pressed", {0, 30, 28, 15}, {0, 45}},
    {"shufrep", "shuffle on", {28, 0, 47, 15}, {28, 30}},
    {"shufrep", "shuffle pressed", {28, 0, 47, 15}, {28, 15}},
    {"shufrep", "shuffle on pressed", {28, 30, 47, 15}, {28, 45}},
    {"shufrep", "equalizer on", {0, 61, 23, 12}, {0, 73}},
    {"shufrep", "equalizer pressed", {0, 61, 23, 12}, {46, 61}},
    {"shufrep", "playlist on", {23, 61, 23, 12}, {23, 73}},
    {"shufrep", "playlist pressed", {23, 61, 23, 12}, {69, 61}},
    {"monoster", "stereo lit", {0, 0, 29, 12}, {0, 12}},
    {"monoster", "mono lit", {29, 0, 27, 12}, {29, 12}},
    {"titlebar", "title bar active", {27, 0, 275, 14}, {27, 15}},
    {"titlebar", "shaded bar active", {27, 29, 275, 14}, {27, 42}},
    {"titlebar", "menu pressed", {0, 0, 9, 9}, {0, 9}},
    {"titlebar", "minimise pressed", {9, 0, 9, 9}, {9, 9}},
    {"titlebar", "close pressed", {18, 0, 9, 9}, {18, 9}},
    {"titlebar", "shade pressed", {0, 18, 9, 9}, {9, 18}},
    {"titlebar", "unshade pressed", {0, 27, 9, 9}, {9, 27}},
};
static_assert(std::size(kStatePairs) == 25);

// The part laid over a mid-grey face through its mask, as the build lays it over the picture.
Colour shown(const Part& part, int x, int y) {
    const int m = GetRed(part.mask.at(x, y));
    const Colour c = part.data.at(x, y);
    auto channel = [m](int v) { return (v * m + 128 * (255 - m) + 127) / 255; };
    return RGB(channel(GetRed(c)), channel(GetGreen(c)), channel(GetBlue(c)));
}

// A pixel differs when one channel moves by 32 or more: a change the eye sees.
bool clearlyDiffers(Colour a, Colour b) {
    return std::abs(GetRed(a) - GetRed(b)) >= 32 || std::abs(GetGreen(a) - GetGreen(b)) >= 32 ||
           std::abs(GetBlue(a) - GetBlue(b)) >= 32;
}

TEST(MainParts, EveryStatePairDiffersInAFifthOfItsPixels) {
    for (const char* style : kStyleNames) {
        for (const StatePair& pair : kStatePairs) {
            const Part part = loadPart(pair.folder, style);
            int differing = 0;
            for (int y = 0; y < pair.a.h; ++y)
                for (int x = 0; x < pair.a.w; ++x)
                    differing += clearlyDiffers(shown(part, pair.a.x + x, pair.a.y + y), shown(part, pair.b.x + x, pair.b.y + y));
            EXPECT_GE(differing * 5, pair.a.w * pair.a.h) << style << " " << pair.what << ": " << differing << " of "
                                                          << pair.a.w * pair.a.h << " pixels differ";
        }
    }
}

}  // namespace
}  // namespace pelterra
