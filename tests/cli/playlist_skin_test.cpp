// The playlist of skins built with each playlist style, and from the untouched start state, as
// players draw it: the bars repeat without a hole at any window size, and an unfocused title bar
// and a pressed menu button can be told apart at a glance.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "cli_run.h"
#include "image/picture_file.h"

namespace {

using namespace pelterra;
using namespace pelterra::cli_test;
using test_support::TempDir;
namespace fs = std::filesystem;

// A flat dark picture shows every hole; a gradient from top to bottom makes every row one colour.
Colour darkPixel(int, int) { return RGB(14, 16, 22); }
Colour gradientPixel(int, int y) { return RGB(30 + y * 200 / 347, 60 + y * 140 / 347, 160 - y * 100 / 347); }

struct Picture {
    const char* name;
    Colour (*pixel)(int, int);
};
constexpr Picture kPictures[] = {{"dark", darkPixel}, {"gradient", gradientPixel}};

// The start state, then each style chosen for every window as the sample script chooses it.
std::vector<std::string> styleSettings(const std::string& style) {
    if (style.empty()) return {};
    std::vector<std::string> settings = {"SliderCombo=" + style, "PLStyleCombo=" + style};
    for (int k = 0; k < 7; ++k) settings.push_back("lstData(" + std::to_string(k) + ")=" + style);
    for (int k = 0; k < 5; ++k) settings.push_back("lstEQData(" + std::to_string(k) + ")=" + style);
    return settings;
}
const std::string kStyles[] = {"", "Classic", "Glass", "Metal", "Flat", "Outline"};

class PlaylistSkin : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kBin / "PartsData" / "playlist")) GTEST_SKIP() << "the parts library was not drawn";
    }
    fs::path picture(const Picture& p) {
        Bitmap b(275, 348);
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) b.at(x, y) = p.pixel(x, y);
        const fs::path file = dir / (std::string(p.name) + ".bmp");
        EXPECT_TRUE(SavePicture(b, file.string()).ok());
        return file;
    }
    fs::path build(const fs::path& from, const std::string& style) {
        const fs::path out = dir / ("skin" + std::to_string(++runs));
        std::string arguments = "build " + quoted(from);
        for (const std::string& s : styleSettings(style)) arguments += " --set \"" + s + "\"";
        const CliRun run = runCli(arguments + " -o " + quoted(out), dir.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return out;
    }
    Bitmap render(const fs::path& skin, int w, int h) {
        const fs::path png = dir / ("render" + std::to_string(++runs) + ".png");
        const CliRun run = runCli("render " + quoted(skin) + " --window playlist --playlist-size " + std::to_string(w) +
                                      "x" + std::to_string(h) + " -o " + quoted(png),
                                  dir.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        return load(png);
    }
    static Bitmap load(const fs::path& file) {
        Result<Bitmap> b = LoadPicture(file.string());
        EXPECT_TRUE(b.ok()) << file;
        return b.ok() ? *b : Bitmap();
    }
    TempDir dir;
    int runs = 0;
};

Colour mostFrequent(const Bitmap& b, Rect r) {
    std::map<Colour, int> counts;
    for (int y = r.y; y < r.y + r.h; ++y)
        for (int x = r.x; x < r.x + r.w; ++x) ++counts[b.at(x, y) & 0xFFFFFFu];
    return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
}

int longestRun(const Bitmap& b, int fromRow, int toRow, Colour c) {
    int longest = 0;
    for (int y = fromRow; y <= toRow; ++y)
        for (int x = 0, run = 0; x < b.width(); ++x) {
            run = (b.at(x, y) & 0xFFFFFFu) == c ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

// Per cent of the pixels of two equal-sized areas of one picture that differ.
int percentDiffering(const Bitmap& b, Rect one, Point other) {
    int differing = 0;
    for (int y = 0; y < one.h; ++y)
        for (int x = 0; x < one.w; ++x)
            differing += (b.at(one.x + x, one.y + y) & 0xFFFFFFu) != (b.at(other.x + x, other.y + y) & 0xFFFFFFu);
    return differing * 100 / (one.w * one.h);
}

// The bottom filler tile's background (what fills it inside its edges) never runs on for more
// than a tile along the top or the bottom bar, at the smallest size and two widened ones.
TEST_F(PlaylistSkin, NoBarShowsARunOfTheFillerBackgroundLongerThanATile) {
    struct Size {
        int w, h;
    };
    constexpr Size kSizes[] = {{275, 116}, {400, 290}, {600, 232}};
    for (const Picture& p : kPictures) {
        const fs::path from = picture(p);
        for (const std::string& style : kStyles) {
            const fs::path skin = build(from, style);
            const Bitmap pledit = load(skin / "pledit.bmp");
            ASSERT_EQ(pledit.width(), 280);
            const Colour background = mostFrequent(pledit, {179 + 4, 4, 25 - 8, 38 - 8});
            for (const Size& size : kSizes) {
                const Bitmap window = render(skin, size.w, size.h);
                ASSERT_EQ(window.width(), size.w);
                ASSERT_EQ(window.height(), size.h);
                const std::string where = std::string(p.name) + " picture, style \"" + style + "\", " +
                                          std::to_string(size.w) + "x" + std::to_string(size.h);
                EXPECT_LE(longestRun(window, 0, 19, background), 25) << where << ": the top bar";
                EXPECT_LE(longestRun(window, size.h - 38, size.h - 1, background), 25) << where << ": the bottom bar";
            }
        }
    }
}

// pledit.bmp: the active top row at y 0 against the inactive one at y 21, element by element, and
// every menu button's normal cell against its pressed cell.
TEST_F(PlaylistSkin, UnfocusedTitleBarsAndPressedMenuButtonsDifferClearly) {
    const fs::path from = picture(kPictures[0]);
    for (const std::string& style : kStyles) {
        const Bitmap pledit = load(build(from, style) / "pledit.bmp");
        ASSERT_EQ(pledit.height(), 186);
        struct Element {
            const char* name;
            Rect active;
        };
        constexpr Element kTopRow[] = {
            {"left corner", {0, 0, 25, 20}}, {"title", {26, 0, 100, 20}},
            {"top tile", {127, 0, 25, 20}},  {"right corner", {153, 0, 25, 20}},
        };
        for (const Element& e : kTopRow)
            EXPECT_GE(percentDiffering(pledit, e.active, {e.active.x, e.active.y + 21}), 20)
                << "style \"" << style << "\": " << e.name;
        struct Menu {
            int normalX, pressedX, cells;
        };
        constexpr Menu kMenus[] = {{0, 23, 3}, {54, 77, 4}, {104, 127, 3}, {154, 177, 3}, {204, 227, 3}};
        for (const Menu& m : kMenus)
            for (int j = 0; j < m.cells; ++j) {
                const int y = 111 + 19 * j;
                EXPECT_GE(percentDiffering(pledit, {m.normalX, y, 22, 18}, {m.pressedX, y}), 20)
                    << "style \"" << style << "\": menu button at " << m.normalX << "," << y;
            }
    }
}

}  // namespace
