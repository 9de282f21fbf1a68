// The pictures inside the generated files: glyph cells that differ, sprites at the places the
// players read them, the volume overlays, the slider sheets, the region files and the samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "colours/contrast.h"
#include "image/drawing.h"
#include "image/picture_file.h"
#include "support/temp_dir.h"
#include "tools/library_files.h"

namespace pelterra {
namespace {

namespace fs = std::filesystem;

using namespace library_files;

bool blank(const Bitmap& b) {
    for (Colour c : b.pixels())
        if (c != kBlack) return false;
    return true;
}

std::vector<fs::path> filesIn(const fs::path& folder, const std::string& ending) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder)) {
        const std::string name = e.path().filename().string();
        if (e.is_regular_file() && name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
            files.push_back(e.path());
    }
    return files;
}

// Every pair of cells differs; `cells[i]` names cell i in failure messages.
void expectDistinct(const std::vector<Bitmap>& cells, const std::vector<std::string>& names, const fs::path& file) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        for (std::size_t j = i + 1; j < cells.size(); ++j)
            EXPECT_FALSE(cells[i] == cells[j]) << file << ": " << names[i] << " looks like " << names[j];
}

TEST(GlyphSheets, NumberCellsAreDistinctWithABlankCell) {
    const auto sheets = filesIn(kParts / "number", ".bmp");
    ASSERT_GE(sheets.size(), 3u);
    for (const fs::path& file : sheets) {
        const Bitmap sheet = load(file);
        std::vector<Bitmap> cells;
        std::vector<std::string> names;
        for (int k = 0; k < 12; ++k) {
            cells.push_back(cut(sheet, {9 * k, 0, 9, 13}));
            names.push_back(k < 10 ? std::to_string(k) : k == 10 ? "blank" : "minus");
            EXPECT_EQ(blank(cells.back()), k == 10) << file << " cell " << names.back();
        }
        expectDistinct(cells, names, file);
    }
}

// text.bmp: where each character of the players' layout sits (column, row), 5 x 6 cells.
struct TextCell {
    const char* name;
    int col, row;
};
std::vector<TextCell> textLayout() {
    std::vector<TextCell> cells;
    static const char* const kRow0[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N",
                                        "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "\"", "@"};
    static const char* const kRow1[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "…",
                                        ".", ":", "(", ")", "-", "'", "!", "_", "+", "\\", "/",
                                        "[", "]", "^", "&", "%", ",", "=", "$", "#"};
    static const char* const kRow2[] = {"Å", "Ö", "Ä", "?", "*"};
    for (int c = 0; c < 28; ++c) cells.push_back({kRow0[c], c, 0});
    cells.push_back({"space", 30, 0});
    for (int c = 0; c < 31; ++c) cells.push_back({kRow1[c], c, 1});
    for (int c = 0; c < 5; ++c) cells.push_back({kRow2[c], c, 2});
    return cells;
}

TEST(GlyphSheets, EveryTextGlyphIsDrawnAndDistinct) {
    const auto sheets = filesIn(kParts / "text", ".bmp");
    ASSERT_GE(sheets.size(), 2u);
    for (const fs::path& file : sheets) {
        const Bitmap sheet = load(file);
        std::vector<Bitmap> cells;
        std::vector<std::string> names;
        for (const TextCell& t : textLayout()) {
            cells.push_back(cut(sheet, {5 * t.col, 6 * t.row, 5, 6}));
            names.push_back(t.name);
            EXPECT_EQ(blank(cells.back()), names.back() == "space") << file << " glyph " << t.name;
        }
        expectDistinct(cells, names, file);
    }
}

// The sprite rectangles of each sheet a part is laid over, where the players read them.
struct SpriteSheet {
    const char* folder;
    std::vector<Rect> sprites;
};
std::vector<SpriteSheet> spriteSheets() {
    std::vector<SpriteSheet> sheets;
    SpriteSheet cbuttons{"cbuttons", {}};
    for (int k = 0; k < 5; ++k)
        for (int y : {0, 18}) cbuttons.sprites.push_back({23 * k, y, k == 4 ? 22 : 23, 18});
    cbuttons.sprites.push_back({114, 0, 22, 16});
    cbuttons.sprites.push_back({114, 16, 22, 16});
    sheets.push_back(cbuttons);
    SpriteSheet shufrep{"shufrep", {}};
    for (int y : {0, 15, 30, 45}) {
        shufrep.sprites.push_back({0, y, 28, 15});
        shufrep.sprites.push_back({28, y, 47, 15});
    }
    for (int x : {0, 23, 46, 69})
        for (int y : {61, 73}) shufrep.sprites.push_back({x, y, 23, 12});
    sheets.push_back(shufrep);
    sheets.push_back({"monoster", {{0, 0, 29, 12}, {0, 12, 29, 12}, {29, 0, 27, 12}, {29, 12, 27, 12}}});
    sheets.push_back({"playpaus", {{0, 0, 9, 9}, {9, 0, 9, 9}, {18, 0, 9, 9}, {36, 0, 3, 9}, {39, 0, 3, 9}}});
    SpriteSheet titlebar{"titlebar", {}};
    for (int y : {0, 15, 29, 42, 57, 72}) titlebar.sprites.push_back({27, y, 275, 14});
    for (Point p : {Point{0, 0}, {0, 9}, {9, 0}, {9, 9}, {18, 0}, {18, 9}, {0, 18}, {9, 18}, {0, 27}, {9, 27}})
        titlebar.sprites.push_back({p.x, p.y, 9, 9});
    for (Rect r : {Rect{304, 0, 8, 43}, {312, 0, 8, 43}, {304, 47, 8, 8}, {312, 55, 8, 7}, {320, 62, 8, 7},
                   {328, 69, 8, 8}, {336, 77, 8, 8}})
        titlebar.sprites.push_back(r);
    sheets.push_back(titlebar);
    sheets.push_back({"slider", {{0, 0, 29, 10}, {30, 0, 29, 10}, {0, 11, 14, 11}, {15, 11, 14, 11}, {30, 11, 14, 11}, {45, 11, 14, 11}}});
    SpriteSheet onauto{"eq/onauto", {}};
    for (int k = 0; k < 4; ++k) {
        onauto.sprites.push_back({59 * k, 0, 26, 12});
        onauto.sprites.push_back({59 * k + 26, 0, 32, 12});
    }
    sheets.push_back(onauto);
    sheets.push_back({"eq/bar", {{0, 0, 9, 9}, {0, 9, 9, 9}, {0, 18, 275, 14}, {0, 33, 275, 14}}});
    sheets.push_back({"eq/image", {{0, 0, 113, 19}, {0, 20, 113, 1}, {115, 0, 1, 19}}});
    sheets.push_back({"eq/preset", {{0, 0, 44, 12}, {0, 12, 44, 12}}});
    return sheets;
}

bool inside(const std::vector<Rect>& rects, int x, int y) {
    for (const Rect& r : rects)
        if (x >= r.x && y >= r.y && x < r.x + r.w && y < r.y + r.h) return true;
    return false;
}

TEST(SpritePlaces, MasksCoverEverySpriteAndNothingElse) {
    for (const SpriteSheet& sheet : spriteSheets()) {
        std::vector<fs::path> masks = filesIn(kParts / sheet.folder, ".mask.bmp");
        for (const auto& e : fs::directory_iterator(kParts / sheet.folder / "mask")) masks.push_back(e.path());
        ASSERT_GE(masks.size(), 4u) << sheet.folder;
        for (const fs::path& file : masks) {
            if (file.filename() == "Default_white.mask.bmp") continue;
            const Bitmap mask = load(file);
            int strays = 0;
            for (int y = 0; y < mask.height(); ++y)
                for (int x = 0; x < mask.width(); ++x)
                    if (mask.at(x, y) != kBlack && !inside(sheet.sprites, x, y)) ++strays;
            EXPECT_EQ(strays, 0) << file;
            for (const Rect& r : sheet.sprites)
                EXPECT_FALSE(blank(cut(mask, r))) << file << " leaves the sprite at " << r.x << "," << r.y << " empty";
        }
    }
}

TEST(SpritePlaces, SliderKnobsAreDrawnInEveryKnobCell) {
    // The build copies the knobs from the slider Data without a mask.
    const auto sheets = spriteSheets();  // held here: a loop over a temporary's member would read freed memory
    for (const fs::path& file : filesIn(kParts / "slider", ".data.bmp")) {
        const Bitmap data = load(file);
        for (const Rect& r : sheets[5].sprites)
            EXPECT_NE(GetPixel(data, r.x + 1, r.y + 1), kBlack) << file << " knob at " << r.x << "," << r.y;
    }
}

TEST(SystemFiles, VolumeLevelBarGrowsFromFrameZeroToFrame27) {
    for (const char* name : {"volume", "volume2"}) {
        const Bitmap mask = load(kParts / "system" / (std::string(name) + ".mask.bmp"));
        const Bitmap data = load(kParts / "system" / (std::string(name) + ".data.bmp"));
        ASSERT_EQ(mask.width(), 68);
        ASSERT_EQ(mask.height(), 433);
        ASSERT_EQ(data.width(), 68);
        ASSERT_EQ(data.height(), 433);
        int previous = 0;
        for (int k = 0; k < 28; ++k) {
            int covered = 0;
            for (int y = 15 * k; y < 15 * k + 15; ++y)
                for (int x = 0; x < 68; ++x)
                    if (mask.at(x, y) == kWhite) ++covered;
            EXPECT_GT(covered, previous) << name << " frame " << k;
            previous = covered;
        }
        // The knob cells stay black, so the knobs the build puts there show unchanged.
        EXPECT_TRUE(blank(cut(mask, {0, 420, 68, 13}))) << name;
        // Green in the first frame, red in the last.
        const Colour first = data.at(2, 4), last = data.at(61, 15 * 27 + 4);
        EXPECT_GT(GetGreen(first), GetRed(first)) << name;
        EXPECT_GT(GetRed(last), GetGreen(last)) << name;
    }
    // The translucent overlay lets the face show through half of the bar.
    const Bitmap translucent = load(kParts / "system/volume2.mask.bmp");
    EXPECT_EQ(translucent.at(2, 4) == kWhite, translucent.at(3, 4) != kWhite);
}

TEST(SystemFiles, RegionFilesHoldTheWholeWindows) {
    EXPECT_EQ(test_support::readFileBytes(kParts / "system/region.txt"),
              "[Normal]\r\nNumPoints=4,\r\nPointList=0,0,275,0,275,116,0,116,\r\n\r\n"
              "[Equalizer]\r\nNumPoints=4,\r\nPointList=0,0,275,0,275,116,0,116,");
    for (const char* count : {"region1.txt", "region3.txt"})
        EXPECT_EQ(test_support::readFileBytes(kParts / "system" / count), "4,");
    for (const char* points : {"region2.txt", "region4.txt"})
        EXPECT_EQ(test_support::readFileBytes(kParts / "system" / points), "0,0,275,0,275,116,0,116,");
}

TEST(SystemFiles, CheckerboardCoversTheRegionEditorAreas) {
    const Bitmap cg = load(kParts / "cg.bmp");
    EXPECT_GE(cg.width(), 277);
    EXPECT_GE(cg.height(), 118);
    EXPECT_NE(cg.at(0, 0), cg.at(8, 0));
    EXPECT_EQ(cg.at(0, 0), cg.at(8, 8));
    for (Colour c : cg.pixels()) ASSERT_TRUE(GetRed(c) == GetGreen(c) && GetGreen(c) == GetBlue(c));
}

TEST(EqualizerSliders, GraphicsAndBackSheetsHaveTheirLayout) {
    const fs::path folder = kParts / "eq/slider";
    const auto graphics = filesIn(folder, ".data.bmp");
    ASSERT_GE(graphics.size(), 4u);
    int withMask = 0;
    for (const fs::path& file : graphics) {
        const Bitmap data = load(file);
        EXPECT_GE(data.width(), 27) << file;  // knobs in columns 0..12, the bar in 13..26
        EXPECT_GE(data.height(), 63) << file;
        const std::string name = file.filename().string();
        const fs::path mask = folder / (name.substr(0, name.size() - 9) + ".mask.bmp");
        if (!fs::exists(mask)) continue;
        ++withMask;
        EXPECT_EQ(load(mask).width(), data.width());
        EXPECT_EQ(load(mask).height(), data.height());
    }
    EXPECT_GE(withMask, 1);
    EXPECT_LT(withMask, static_cast<int>(graphics.size()));
    const Bitmap defaultMask = load(folder / "DefaultMiniWhite.mask.bmp");
    EXPECT_EQ(defaultMask.width(), 27);
    EXPECT_EQ(defaultMask.height(), 63);
    EXPECT_EQ(load(folder / "DefaultBackWhite.back.bmp"), Bitmap(209, 130, kWhite));
    const auto backs = filesIn(folder, ".back.bmp");
    ASSERT_GE(backs.size(), 4u);
    for (const fs::path& file : backs) {
        const Bitmap back = load(file);
        ASSERT_EQ(back.width(), 209) << file;
        ASSERT_EQ(back.height(), 130) << file;
        if (file.filename() == "DefaultBackWhite.back.bmp") continue;
        // Each cell shows the strip two rows lower than the one before; the second row of
        // cells starts 24 rows down, so its first cell equals the first row's cell 12.
        EXPECT_EQ(cut(back, {0, 66, 14, 64}), cut(back, {180, 0, 14, 64})) << file;
        EXPECT_FALSE(cut(back, {0, 0, 14, 64}) == cut(back, {15, 0, 14, 64})) << file;
    }
}

TEST(EqualizerSliders, EasyImportPicturesHaveTheEqualizerBitmapLayout) {
    const auto pictures = filesIn(kParts / "eq", ".bmp");
    ASSERT_GE(pictures.size(), 3u);
    for (const fs::path& file : pictures) {
        const Bitmap picture = load(file);
        EXPECT_EQ(picture.width(), 275) << file;
        EXPECT_EQ(picture.height(), 315) << file;
        for (Rect r : {Rect{0, 116, 9, 9}, {0, 134, 275, 14}, {10, 119, 235, 12}, {13, 164, 14, 63}, {224, 164, 44, 12}, {0, 294, 113, 19}})
            EXPECT_FALSE(blank(cut(picture, r))) << file << " at " << r.x << "," << r.y;
    }
}

// ---- the equalizer parts of every style ----

const char* const kStyleNames[] = {"Classic", "Glass", "Metal", "Flat", "Outline"};

// A part's Data and the Mask it is laid with: its own (X.mask.bmp or mask\X.bmp) or, when it
// has none, the folder's Default_white. `ownMask` tells which.
struct LoadedPart {
    Bitmap data, mask;
    bool ownMask = false;
};
LoadedPart loadPart(const std::string& folder, const std::string& name) {
    const fs::path dir = kParts / folder;
    if (fs::exists(dir / (name + ".data.bmp"))) {
        const fs::path mask = dir / (name + ".mask.bmp");
        const bool own = fs::exists(mask);
        return {load(dir / (name + ".data.bmp")), load(own ? mask : dir / "Default_white.mask.bmp"), own};
    }
    return {load(dir / "data" / (name + ".bmp")), load(dir / "mask" / (name + ".bmp")), true};
}

bool covered(const Bitmap& mask, int x, int y) { return mask.contains(x, y) && GetRed(mask.at(x, y)) > 127; }


TEST(EqualizerParts, FrameLetsThePictureThroughAndRingsEveryLabel) {
    // Open face: between the sliders, under them, beside the scale, inside the ring and under
    // the title bar, which is laid over this face.
    const Point open[] = {{60, 80}, {94, 70}, {148, 60}, {260, 60}, {28, 70}, {200, 100}, {2, 58}, {137, 7}};
    // Covered: the two-pixel border ring on all four sides, the graph well.
    const Point frame[] = {{0, 58}, {1, 58}, {274, 58}, {137, 115}, {137, 0}, {142, 26}};
    // The decibel scale and the row of band names, clear of the ring and the well.
    const Rect labelAreas[] = {{38, 37, 40, 64}, {4, 102, 267, 9}};
    for (const char* style : kStyleNames) {
        SCOPED_TRACE(style);
        const LoadedPart part = loadPart("eq/frame", style);
        EXPECT_TRUE(part.ownMask);
        for (const Point p : open) EXPECT_EQ(part.mask.at(p.x, p.y), kBlack) << p.x << "," << p.y;
        for (const Point p : frame) EXPECT_EQ(part.mask.at(p.x, p.y), kWhite) << p.x << "," << p.y;
        for (const Rect area : labelAreas) {
            // Two colours only: the halo, which every covered pixel at the edge of the covering
            // has, and the ink inside it, which never touches the picture.
            std::map<Colour, int> colours, edgeColours;
            for (int y = area.y; y < area.y + area.h; ++y)
                for (int x = area.x; x < area.x + area.w; ++x) {
                    if (!covered(part.mask, x, y)) continue;
                    ++colours[part.data.at(x, y)];
                    bool edge = false;
                    for (int dy = -1; dy <= 1; ++dy)
                        for (int dx = -1; dx <= 1; ++dx) edge = edge || !covered(part.mask, x + dx, y + dy);
                    if (edge) ++edgeColours[part.data.at(x, y)];
                }
            ASSERT_EQ(colours.size(), 2u) << "area at " << area.x << "," << area.y;
            ASSERT_EQ(edgeColours.size(), 1u) << "area at " << area.x << "," << area.y;
            const Colour ring = edgeColours.begin()->first;
            const Colour ink = colours.begin()->first == ring ? colours.rbegin()->first : colours.begin()->first;
            std::vector<Point> halo;
            for (int y = area.y; y < area.y + area.h; ++y)
                for (int x = area.x; x < area.x + area.w; ++x)
                    if (covered(part.mask, x, y) && part.data.at(x, y) == ring) halo.push_back({x, y});
            EXPECT_GE(ContrastRatio(ink, ring), 3.0) << "area at " << area.x << "," << area.y;
            for (const Point p : halo) {
                bool touchesInk = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) touchesInk = touchesInk || part.data.at(p.x + dx, p.y + dy) == ink;
                EXPECT_TRUE(touchesInk) << "stray halo at " << p.x << "," << p.y;
            }
        }
    }
}

TEST(EqualizerParts, TitleBarsLetThePictureShowAroundThePlateTheRailsAndTheCloseSocket) {
    // Rows of a 14-row title bar: rails on 4-5 and 8-9, the caption plate on 2-12 around x 137.
    const int railRows[] = {4, 5, 8, 9};
    const int openRows[] = {0, 6, 7, 13};
    for (const char* style : kStyleNames) {
        SCOPED_TRACE(style);
        const LoadedPart part = loadPart("eq/bar", style);
        EXPECT_TRUE(part.ownMask);
        for (const int top : {18, 33}) {
            int coveredPixels = 0;
            for (int y = top; y < top + 14; ++y)
                for (int x = 0; x < 275; ++x) coveredPixels += covered(part.mask, x, y);
            EXPECT_LT(coveredPixels, 275 * 14 * 45 / 100) << "title bar at row " << top;
            for (const int row : openRows)
                for (const int x : {3, 60, 220}) EXPECT_FALSE(covered(part.mask, x, top + row)) << x << "," << top + row;
            for (const int row : railRows)
                for (const int x : {10, 60, 220}) EXPECT_TRUE(covered(part.mask, x, top + row)) << x << "," << top + row;
            for (const Point p : {Point{137, 2}, Point{137, 12}, Point{268, 7}})
                EXPECT_TRUE(covered(part.mask, p.x, top + p.y)) << p.x << "," << top + p.y;
            // The rails stop short of the plate: a gap of at least three open pixels either side.
            for (const int row : railRows) {
                int left = 137, right = 137;
                while (covered(part.mask, left - 1, top + row)) --left;
                while (covered(part.mask, right + 1, top + row)) ++right;
                EXPECT_GT(right - left, 50) << "plate on row " << top + row;
                for (int gap = 1; gap <= 3; ++gap) {
                    EXPECT_FALSE(covered(part.mask, left - gap, top + row)) << "row " << top + row;
                    EXPECT_FALSE(covered(part.mask, right + gap, top + row)) << "row " << top + row;
                }
            }
        }
    }
}

// Two sprites of one part look clearly different at a pixel when one covers it and the other
// does not, or both cover it in colours at least 24 apart in a channel.
double differingShare(const LoadedPart& part, Rect a, Rect b) {
    int differing = 0;
    for (int y = 0; y < a.h; ++y)
        for (int x = 0; x < a.w; ++x) {
            const bool ca = covered(part.mask, a.x + x, a.y + y), cb = covered(part.mask, b.x + x, b.y + y);
            const Colour pa = part.data.at(a.x + x, a.y + y), pb = part.data.at(b.x + x, b.y + y);
            const int apart = std::max({std::abs(GetRed(pa) - GetRed(pb)), std::abs(GetGreen(pa) - GetGreen(pb)),
                                        std::abs(GetBlue(pa) - GetBlue(pb))});
            differing += ca != cb || (ca && apart >= 24);
        }
    return double(differing) / (a.w * a.h);
}

TEST(EqualizerParts, EveryStatePairDiffersOverAFifthOfItsPixels) {
    struct StatePair {
        const char* folder;
        const char* what;
        Rect a, b;
    };
    const StatePair pairs[] = {
        {"eq/onauto", "ON off / on", {0, 0, 26, 12}, {59, 0, 26, 12}},
        {"eq/onauto", "AUTO off / on", {26, 0, 32, 12}, {85, 0, 32, 12}},
        {"eq/onauto", "ON off / on, pressed", {118, 0, 26, 12}, {177, 0, 26, 12}},
        {"eq/onauto", "AUTO off / on, pressed", {144, 0, 32, 12}, {203, 0, 32, 12}},
        {"eq/onauto", "ON off, normal / pressed", {0, 0, 26, 12}, {118, 0, 26, 12}},
        {"eq/onauto", "ON on, normal / pressed", {59, 0, 26, 12}, {177, 0, 26, 12}},
        {"eq/preset", "presets normal / pressed", {0, 0, 44, 12}, {0, 12, 44, 12}},
        {"eq/bar", "close normal / pressed", {0, 0, 9, 9}, {0, 9, 9, 9}},
        {"eq/bar", "title active / inactive", {0, 18, 275, 14}, {0, 33, 275, 14}},
    };
    for (const char* style : kStyleNames)
        for (const StatePair& pair : pairs)
            EXPECT_GE(differingShare(loadPart(pair.folder, style), pair.a, pair.b), 0.2) << style << ": " << pair.what;
}

TEST(EqualizerParts, SliderBarsShowAGrooveAndKnobsStandOut) {
    // Columns of the 27 x 63 slider graphic: the bar starts at 13, its groove at 18..21; the
    // ground between the knobs and the bar is column 12; knobs are 11 x 11 at rows 0 and 12.
    const auto apart = [](Colour a, Colour b) {
        return std::max({std::abs(GetRed(a) - GetRed(b)), std::abs(GetGreen(a) - GetGreen(b)), std::abs(GetBlue(a) - GetBlue(b))});
    };
    for (const char* style : kStyleNames) {
        const Bitmap data = load(kParts / "eq/slider" / (std::string(style) + ".data.bmp"));
        for (int y = 5; y < 58; ++y) {
            const Colour ground = data.at(13 + 3, y);
            EXPECT_GE(apart(data.at(13 + 5, y), ground), 24) << style << " groove edge, row " << y;
        }
        for (const int knobTop : {0, 12}) {
            // The knob's rim or its body stands out from the ground.
            const Colour ground = data.at(12, knobTop + 5);
            EXPECT_GE(std::max(apart(data.at(0, knobTop + 5), ground), apart(data.at(2, knobTop + 5), ground)), 48)
                << style << " knob at row " << knobTop;
            EXPECT_GE(apart(data.at(5, knobTop + 5), data.at(5, knobTop + 2)), 24) << style << " knob grip at row " << knobTop;
        }
    }
}

TEST(Samples, BasePicturesAndTheRegionPicture) {
    const fs::path samples = kBin / "Samples";
    EXPECT_EQ(load(samples / "base_main.bmp").height(), 116);
    EXPECT_EQ(load(samples / "base_main_eq.bmp").height(), 232);
    EXPECT_EQ(load(samples / "base_main_eq_playlist.bmp").height(), 348);
    const Bitmap region = load(samples / "region_main_eq.bmp");
    ASSERT_EQ(region.width(), 275);
    ASSERT_EQ(region.height(), 232);
    const Colour key = RGB(255, 0, 255);
    int keyed = 0;
    for (Colour c : region.pixels()) keyed += c == key;
    // The four corners of both windows are cut, and nothing else.
    for (int top : {0, 116}) {
        for (Point p : {Point{0, top}, {274, top}, {0, top + 115}, {274, top + 115}}) EXPECT_EQ(region.at(p.x, p.y), key);
        EXPECT_NE(region.at(137, top + 58), key);
        EXPECT_NE(region.at(10, top + 58), key);
    }
    EXPECT_EQ(keyed % 8, 0);
    EXPECT_LT(keyed, 8 * 49);
}

}  // namespace
}  // namespace pelterra
