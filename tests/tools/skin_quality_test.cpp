// What a new user gets from the library: skins built from five kinds of picture (dark, bright,
// busy, photo-like, a gradient) in every style and in the untouched start state, drawn as players
// draw them. The picture must show in all three windows, labels and glyphs must read on every
// picture, every state must be told apart at a glance, and every style must be a set of its own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "colours/contrast.h"
#include "document/initial_state.h"
#include "document/set_control.h"
#include "equalizer/picture_import.h"
#include "player/render.h"
#include "player/skin_reader.h"
#include "sheets/build_driver.h"
#include "tools/library_files.h"

namespace pelterra {
namespace {

using library_files::kBin;
using library_files::kParts;

// ---------------------------------------------------------------------------------------------
// The pictures, 275x348: main window, equalizer and playlist bands stacked.

constexpr int kPictureWidth = 275, kPictureHeight = 348;

int clampChannel(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

Bitmap pictureOf(Colour (*pixel)(int x, int y)) {
    Bitmap b(kPictureWidth, kPictureHeight);
    for (int y = 0; y < kPictureHeight; ++y)
        for (int x = 0; x < kPictureWidth; ++x) b.at(x, y) = pixel(x, y);
    return b;
}

// A small hash: texture without any pattern a frame could line up with.
int noise(int x, int y) {
    unsigned h = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) & 0xFF);
}

Colour darkPixel(int x, int y) {
    const int n = noise(x, y) / 16;
    return RGB(8 + n, 10 + n + (y % 40) / 8, 18 + n + x / 30);
}
Colour brightPixel(int x, int y) {
    const int n = noise(x, y) / 20;
    return RGB(242 - n, 238 - n - x / 40, 226 - n + y / 60);
}
Colour busyPixel(int x, int y) {
    static constexpr Colour kColours[] = {RGB(255, 0, 0),   RGB(255, 255, 255), RGB(0, 0, 0),
                                          RGB(0, 200, 255), RGB(255, 230, 0),   RGB(0, 160, 0)};
    return kColours[(x / 3 + y / 2 + noise(x / 5, y / 5) / 64) % std::size(kColours)];
}
Colour photoPixel(int x, int y) {
    const double v = std::sin(x / 23.0) + std::sin(y / 17.0) + std::sin((x + y) / 31.0) +
                     std::sin(std::hypot(x - 140.0, y - 170.0) / 19.0);
    return RGB(clampChannel(128 + 110 * std::sin(v)), clampChannel(128 + 100 * std::sin(v + 2.1)),
               clampChannel(128 + 120 * std::sin(v + 4.2)) / 2 + noise(x, y) / 8);
}
Colour gradientPixel(int x, int y) {
    return RGB(clampChannel(40 + x * 0.7), clampChannel(60 + (y % 116) * 1.3), clampChannel(200 - x * 0.4));
}

struct Picture {
    const char* name;
    Colour (*pixel)(int x, int y);
};
constexpr Picture kPictures[] = {
    {"dark", darkPixel},   {"bright", brightPixel},     {"busy", busyPixel},
    {"photo", photoPixel}, {"gradient", gradientPixel},
};

// The start state, and each style chosen for the whole skin.
const std::vector<std::string> kStyles = {"", "Classic", "Glass", "Metal", "Flat", "Outline"};

// A skin built in memory as the command line builds it: the start state, the picture, the
// style, the build.
Skin buildSkin(const std::string& style, const Picture& picture) {
    Document doc;
    EXPECT_TRUE(InitialiseDocument(doc, kBin).ok());
    Result<int> imported = ImportCombinedPicture(doc, pictureOf(picture.pixel), [] { return -1; });
    EXPECT_TRUE(imported.ok());
    doc.BackgroundImagePath = std::string("/pictures/") + picture.name + ".bmp";
    doc.BackgroundImageTitle = std::string(picture.name) + ".bmp";
    if (!style.empty()) EXPECT_TRUE(SetControl(doc, kBin, "StyleCombo", style).ok()) << style;
    EXPECT_TRUE(BuildSkinImages(doc, kBin).ok()) << style << ' ' << picture.name;
    Result<Skin> skin = SkinFromDocument(doc);
    EXPECT_TRUE(skin.ok());
    return skin.ok() ? std::move(*skin) : Skin{};
}

// Every skin of the suite, built once.
class SkinQuality : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!std::filesystem::exists(kParts / "frame")) return;
        for (const std::string& style : kStyles)
            for (const Picture& p : kPictures) skins().push_back({style, p.name, buildSkin(style, p)});
    }
    void SetUp() override {
        if (skins().empty()) GTEST_SKIP() << "the parts library was not drawn";
    }
    struct Built {
        std::string style, picture;
        Skin skin;
    };
    static std::vector<Built>& skins() {
        static std::vector<Built> all;
        return all;
    }
    static const Skin& skinOf(const std::string& style, const std::string& picture) {
        for (const Built& b : skins())
            if (b.style == style && b.picture == picture) return b.skin;
        static const Skin none;
        return none;
    }
    static std::string label(const std::string& style) { return style.empty() ? "start state" : style; }
};

// ---------------------------------------------------------------------------------------------
// Measures.

// The share of pixels of the rectangle that differ between the two pictures.
double differingShare(const Bitmap& a, Rect ra, const Bitmap& b, Rect rb) {
    int differing = 0;
    for (int y = 0; y < ra.h; ++y)
        for (int x = 0; x < ra.w; ++x) differing += a.at(ra.x + x, ra.y + y) != b.at(rb.x + x, rb.y + y);
    return static_cast<double>(differing) / (ra.w * ra.h);
}
double differingShare(const Bitmap& a, const Bitmap& b) {
    return differingShare(a, {0, 0, a.width(), a.height()}, b, {0, 0, b.width(), b.height()});
}

struct Window {
    const char* name;
    WindowImage (*render)(const Skin&, const PlayerView&);
};
constexpr Window kWindows[] = {
    {"main", RenderMainWindow}, {"equalizer", RenderEqualizerWindow}, {"playlist", RenderPlaylistWindow}};

// ---------------------------------------------------------------------------------------------

TEST_F(SkinQuality, ThePictureShowsInEveryWindowOfEveryStyle) {
    const PlayerView view;
    for (const std::string& style : kStyles)
        for (const Window& w : kWindows)
            for (std::size_t i = 0; i < std::size(kPictures); ++i)
                for (std::size_t j = i + 1; j < std::size(kPictures); ++j) {
                    const Bitmap a = w.render(skinOf(style, kPictures[i].name), view).colours;
                    const Bitmap b = w.render(skinOf(style, kPictures[j].name), view).colours;
                    EXPECT_GE(differingShare(a, b), 0.40)
                        << label(style) << ", " << w.name << ": " << kPictures[i].name << " vs " << kPictures[j].name;
                }
}

// A glyph reads when the ink of its cell stands off the cell's ground: the ink is every pixel
// unlike the ground, and its median luminance is measured against the ground.
double glyphContrast(const Bitmap& sheet, Rect cell, Colour ground) {
    std::vector<double> ink;
    for (int y = cell.y; y < cell.y + cell.h; ++y)
        for (int x = cell.x; x < cell.x + cell.w; ++x)
            if (sheet.at(x, y) != ground) ink.push_back(RelativeLuminance(sheet.at(x, y)));
    if (ink.empty()) return 0;
    std::nth_element(ink.begin(), ink.begin() + ink.size() / 2, ink.end());
    const double li = ink[ink.size() / 2], lg = RelativeLuminance(ground);
    return (std::max(li, lg) + 0.05) / (std::min(li, lg) + 0.05);
}

// The time digits and the song title sit in wells of the glyphs' own ground, and read there at
// 4.5:1 on every picture.
TEST_F(SkinQuality, DigitsAndTitleTextReadInWellsOfTheirOwnGround) {
    for (const Built& b : skins()) {
        const std::string what = label(b.style) + " on " + b.picture;
        const Bitmap& numbers = b.skin.sheet("numbers.bmp");
        const Bitmap& text = b.skin.sheet("text.bmp");
        const Bitmap& main = b.skin.sheet("main.bmp");
        const Colour digitGround = numbers.at(0, 0);
        const Colour textGround = text.at(150, 0);  // the space cell
        for (int d = 0; d < 10; ++d)
            EXPECT_GE(glyphContrast(numbers, {9 * d, 0, 9, 13}, digitGround), 4.5) << what << ", digit " << d;
        for (int letter = 0; letter < 26; ++letter)
            EXPECT_GE(glyphContrast(text, {5 * letter, 0, 5, 6}, textGround), 4.5) << what << ", letter " << letter;
        for (int digit = 0; digit < 10; ++digit)
            EXPECT_GE(glyphContrast(text, {5 * digit, 6, 5, 6}, textGround), 4.5) << what << ", text digit " << digit;
        // The well around the digit cells (rows 25 and 39 over the four digits) and around the
        // title glyph rows (rows 25-26 and 33-34 over the title) is the glyphs' ground.
        int timeWellOff = 0, titleWellOff = 0;
        for (int x = 48; x < 99; ++x) timeWellOff += (main.at(x, 25) != digitGround) + (main.at(x, 39) != digitGround);
        for (int x = 111; x < 265; ++x)
            for (const int y : {25, 26, 33, 34}) titleWellOff += main.at(x, y) != textGround;
        EXPECT_EQ(timeWellOff, 0) << what << ": pixels of the time well unlike the digits' ground";
        EXPECT_EQ(titleWellOff, 0) << what << ": pixels of the title well unlike the text's ground";
    }
}

// A label painted over the picture: the box it lies in, in the window's own pixels.
struct Label {
    const char* window;  // "main", "equalizer" or "playlist"
    const char* name;
    Rect box;
};

// The ink of a label touches only its own halo: wherever two unlike pixels of the label's box
// meet and neither changes with the picture, they stand 3:1 apart; and the pixels of the box
// that do change with the picture never touch the ink.
void expectLabelReads(const Bitmap& a, const Bitmap& b, const Label& l, const std::string& what) {
    auto fixed = [&](int x, int y) { return a.at(x, y) == b.at(x, y); };
    int inkPairs = 0;
    for (int y = l.box.y; y < l.box.y + l.box.h; ++y)
        for (int x = l.box.x; x < l.box.x + l.box.w; ++x) {
            if (!fixed(x, y)) continue;
            for (const Point d : {Point{1, 0}, Point{0, 1}}) {
                const int nx = x + d.x, ny = y + d.y;
                if (nx >= l.box.x + l.box.w || ny >= l.box.y + l.box.h || !fixed(nx, ny)) continue;
                if (a.at(x, y) == a.at(nx, ny)) continue;
                ++inkPairs;
                EXPECT_GE(ContrastRatio(a.at(x, y), a.at(nx, ny)), 3.0)
                    << what << ", " << l.window << " label " << l.name << " at " << x << ',' << y;
            }
        }
    EXPECT_GT(inkPairs, 10) << what << ", " << l.window << " label " << l.name << " is not there";
}

const Label kLabels[] = {
    {"main", "KBPS", {130, 42, 22, 7}},
    {"main", "KHZ", {169, 42, 20, 7}},
    {"equalizer", "+12DB", {43, 39, 26, 7}},
    {"equalizer", "+0DB", {47, 66, 22, 7}},
    {"equalizer", "-12DB", {43, 93, 26, 7}},
    {"equalizer", "PREAMP", {6, 103, 46, 7}},
    {"equalizer", "band numbers", {60, 103, 205, 7}},
    {"playlist", "PLAYLIST", {117, 7, 40, 7}},
};

TEST_F(SkinQuality, LabelsOverThePictureReadOnEveryPicture) {
    const PlayerView view;
    for (const std::string& style : kStyles)
        for (const Label& l : kLabels) {
            const Window& w = *std::find_if(std::begin(kWindows), std::end(kWindows),
                                            [&](const Window& each) { return std::string(each.name) == l.window; });
            // Two unlike pictures tell the fixed pixels of the frame from the picture's.
            const Bitmap dark = w.render(skinOf(style, "dark"), view).colours;
            const Bitmap busy = w.render(skinOf(style, "busy"), view).colours;
            expectLabelReads(dark, busy, l, label(style));
        }
}

// Two states of one element, in one sheet: where a player takes each.
struct StatePair {
    const char* sheet;
    const char* what;
    Rect first;
    Point second;
};
constexpr StatePair kStatePairs[] = {
    {"cbuttons.bmp", "previous pressed", {0, 0, 23, 18}, {0, 18}},
    {"cbuttons.bmp", "play pressed", {23, 0, 23, 18}, {23, 18}},
    {"cbuttons.bmp", "pause pressed", {46, 0, 23, 18}, {46, 18}},
    {"cbuttons.bmp", "stop pressed", {69, 0, 23, 18}, {69, 18}},
    {"cbuttons.bmp", "next pressed", {92, 0, 22, 18}, {92, 18}},
    {"cbuttons.bmp", "eject pressed", {114, 0, 22, 16}, {114, 16}},
    {"shufrep.bmp", "repeat on", {0, 0, 28, 15}, {0, 30}},
    {"shufrep.bmp", "repeat pressed", {0, 0, 28, 15}, {0, 15}},
    {"shufrep.bmp", "shuffle on", {28, 0, 47, 15}, {28, 30}},
    {"shufrep.bmp", "shuffle pressed", {28, 0, 47, 15}, {28, 15}},
    {"shufrep.bmp", "equalizer toggle on", {0, 61, 23, 12}, {0, 73}},
    {"shufrep.bmp", "playlist toggle on", {23, 61, 23, 12}, {23, 73}},
    {"monoster.bmp", "stereo lit", {0, 0, 29, 12}, {0, 12}},
    {"monoster.bmp", "mono lit", {29, 0, 27, 12}, {29, 12}},
    {"titlebar.bmp", "title bar inactive", {27, 0, 275, 14}, {27, 15}},
    {"titlebar.bmp", "shaded bar inactive", {27, 29, 275, 14}, {27, 42}},
    {"titlebar.bmp", "close pressed", {18, 0, 9, 9}, {18, 9}},
    {"eqmain.bmp", "ON lit", {10, 119, 26, 12}, {69, 119}},
    {"eqmain.bmp", "ON pressed", {10, 119, 26, 12}, {128, 119}},
    {"eqmain.bmp", "AUTO lit", {36, 119, 32, 12}, {95, 119}},
    {"eqmain.bmp", "AUTO pressed", {36, 119, 32, 12}, {154, 119}},
    {"eqmain.bmp", "presets pressed", {224, 164, 44, 12}, {224, 176}},
    {"eqmain.bmp", "title bar inactive", {0, 134, 275, 14}, {0, 149}},
    {"pledit.bmp", "top-left corner inactive", {0, 0, 25, 20}, {0, 21}},
    {"pledit.bmp", "title inactive", {26, 0, 100, 20}, {26, 21}},
    {"pledit.bmp", "top tile inactive", {127, 0, 25, 20}, {127, 21}},
    {"pledit.bmp", "top-right corner inactive", {153, 0, 25, 20}, {153, 21}},
    {"pledit.bmp", "add button pressed", {0, 111, 22, 18}, {23, 111}},
    {"pledit.bmp", "misc button pressed", {154, 111, 22, 18}, {177, 111}},
};

TEST_F(SkinQuality, EveryStateIsToldApartAtAGlance) {
    for (const std::string& style : kStyles)
        for (const StatePair& s : kStatePairs) {
            const Bitmap& sheet = skinOf(style, "photo").sheet(s.sheet);
            const Rect second{s.second.x, s.second.y, s.first.w, s.first.h};
            EXPECT_GE(differingShare(sheet, s.first, sheet, second), 0.20) << label(style) << ": " << s.sheet << ' ' << s.what;
        }
}

// Each style is a set of its own: digits, title font colours, playlist colours and
// visualisation colours all differ from every other style's.
TEST_F(SkinQuality, EveryStyleHasItsOwnGlyphsAndColours) {
    for (std::size_t i = 1; i < kStyles.size(); ++i)
        for (std::size_t j = i + 1; j < kStyles.size(); ++j) {
            const Skin& a = skinOf(kStyles[i], "photo");
            const Skin& b = skinOf(kStyles[j], "photo");
            const std::string pair = kStyles[i] + " and " + kStyles[j];
            EXPECT_NE(a.sheet("numbers.bmp").pixels(), b.sheet("numbers.bmp").pixels()) << pair;
            EXPECT_NE(a.sheet("text.bmp").pixels(), b.sheet("text.bmp").pixels()) << pair;
            EXPECT_FALSE(a.playlistColours == b.playlistColours) << pair;
            EXPECT_NE(a.visColours, b.visColours) << pair;
        }
}

}  // namespace
}  // namespace pelterra
