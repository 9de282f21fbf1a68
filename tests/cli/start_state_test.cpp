// The skin a new user gets by opening the sample picture and saving, with nothing else touched:
// every part of the library is used from the start, the playlist comes from a style of the
// library, and no area a player draws is left at the white of an empty slot.
#include <gtest/gtest.h>

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

const fs::path kSample = samplePicture("base_main_eq_playlist.bmp");

// The sheets of a skin built from the sample, by file name.
using Sheets = std::map<std::string, Bitmap>;

class StartState : public ::testing::Test {
protected:
    void SetUp() override {
        if (!fs::exists(kSample)) GTEST_SKIP() << "the sample pictures were not drawn";
    }
    // Builds the sample with `settings` (each "NAME=VALUE") and reads every sheet back.
    Sheets build(const std::vector<std::string>& settings = {}) {
        const fs::path out = dir / ("skin" + std::to_string(++builds));
        std::string arguments = "build " + quoted(kSample);
        for (const std::string& s : settings) arguments += " --set \"" + s + "\"";
        const CliRun run = runCli(arguments + " -o " + quoted(out), dir.path());
        EXPECT_EQ(run.exitCode, 0) << run.err;
        Sheets sheets;
        for (const auto& entry : fs::directory_iterator(out)) {
            if (entry.path().extension() != ".bmp") continue;
            Result<Bitmap> picture = LoadPicture(entry.path().string());
            EXPECT_TRUE(picture.ok()) << entry.path();
            if (picture) sheets.emplace(entry.path().filename().string(), std::move(*picture));
        }
        return sheets;
    }
    TempDir dir;
    int builds = 0;
};

struct Cell {
    const char* sheet;
    Rect area;
};

// Cells a player draws that come from a part: the title-bar buttons and bars, the shuffle,
// repeat and toggle buttons in each state, mono/stereo, the play state, and in the playlist the
// scroll handle, the small buttons and every menu button.
const std::vector<Cell>& partCells() {
    static const std::vector<Cell> cells = [] {
        std::vector<Cell> c;
        for (const Rect r : {Rect{27, 0, 275, 14}, Rect{27, 15, 275, 14}, Rect{27, 29, 275, 14}, Rect{0, 0, 9, 9},
                             Rect{9, 0, 9, 9}, Rect{18, 0, 9, 9}, Rect{0, 9, 9, 9}, Rect{9, 9, 9, 9},
                             Rect{18, 9, 9, 9}, Rect{0, 18, 9, 9}, Rect{0, 27, 9, 9}})
            c.push_back({"titlebar.bmp", r});
        for (int y : {0, 15, 30, 45}) {
            c.push_back({"shufrep.bmp", {0, y, 28, 15}});
            c.push_back({"shufrep.bmp", {28, y, 47, 15}});
        }
        for (const Rect r : {Rect{0, 61, 23, 12}, Rect{0, 73, 23, 12}, Rect{46, 61, 23, 12}, Rect{46, 73, 23, 12},
                             Rect{23, 61, 23, 12}, Rect{23, 73, 23, 12}, Rect{69, 61, 23, 12}, Rect{69, 73, 23, 12}})
            c.push_back({"shufrep.bmp", r});
        for (const Rect r : {Rect{0, 0, 29, 12}, Rect{0, 12, 29, 12}, Rect{29, 0, 27, 12}, Rect{29, 12, 27, 12}})
            c.push_back({"monoster.bmp", r});
        for (int x : {0, 9, 18}) c.push_back({"playpaus.bmp", {x, 0, 9, 9}});
        for (const Rect r : {Rect{52, 53, 8, 18}, Rect{61, 53, 8, 18}, Rect{52, 42, 9, 9}, Rect{62, 42, 9, 9},
                             Rect{150, 42, 9, 9}})
            c.push_back({"pledit.bmp", r});
        for (int x : {0, 23, 54, 77, 104, 127, 154, 177, 204, 227})
            for (int y : {111, 130, 149}) c.push_back({"pledit.bmp", {x, y, 22, 18}});
        for (int x : {54, 77}) c.push_back({"pledit.bmp", {x, 168, 22, 18}});
        return c;
    }();
    return cells;
}

Bitmap cut(const Bitmap& sheet, const Rect& r) {
    Bitmap cell(r.w, r.h);
    for (int y = 0; y < r.h; ++y)
        for (int x = 0; x < r.w; ++x) cell.at(x, y) = sheet.at(r.x + x, r.y + y) & 0xFFFFFFu;
    return cell;
}

bool allWhite(const Bitmap& cell) {
    for (Colour c : cell.pixels())
        if ((c & 0xFFFFFFu) != kWhite) return false;
    return true;
}

std::string describe(const Cell& c) {
    return std::string(c.sheet) + " (" + std::to_string(c.area.x) + ',' + std::to_string(c.area.y) + ") " +
           std::to_string(c.area.w) + 'x' + std::to_string(c.area.h);
}

TEST_F(StartState, EveryCellAPlayerDrawsComesFromAPart) {
    const Sheets started = build();
    // The same picture with no part used: what the cells would be as plain slices of the face.
    const Sheets bare = build({"TitleBarCheck=0", "ShufrepCheck=0", "MonosterCheck=0", "PlaypausCheck=0"});
    for (const Cell& cell : partCells()) {
        const Bitmap drawn = cut(started.at(cell.sheet), cell.area);
        EXPECT_FALSE(allWhite(drawn)) << describe(cell);
        if (std::string(cell.sheet) != "pledit.bmp")
            EXPECT_NE(drawn, cut(bare.at(cell.sheet), cell.area)) << describe(cell);
    }
}

struct Category {
    const char* box;   // its make or include box, cleared for the comparison
    const char* sheet;
};
constexpr Category kCategories[] = {
    {"CbuttonsCheck", "cbuttons.bmp"}, {"ShufrepCheck", "shufrep.bmp"},  {"MonosterCheck", "monoster.bmp"},
    {"PlaypausCheck", "playpaus.bmp"}, {"TitleBarCheck", "titlebar.bmp"}, {"FrameCheck", "main.bmp"},
    {"PosbarCheck", "posbar.bmp"},     {"VolumeCheck", "volume.bmp"},     {"BalanceCheck", "balance.bmp"},
    {"OnAutoCheck", "eqmain.bmp"},     {"EQFrameCheck", "eqmain.bmp"},    {"EQCheck", "eqmain.bmp"},
    {"ImageCheck", "eqmain.bmp"},      {"PresetCheck", "eqmain.bmp"},     {"chkPLParts(0)", "pledit.bmp"},
    {"chkPLParts(2)", "pledit.bmp"},   {"chkPLParts(6)", "pledit.bmp"},   {"chkPLShade", "pledit.bmp"},
    {"chkPLActive", "pledit.bmp"},
};

TEST_F(StartState, EveryCategoryIsUsedFromTheStart) {
    const Sheets started = build();
    for (const Category& c : kCategories) {
        const Sheets cleared = build({std::string(c.box) + "=0"});
        EXPECT_NE(started.at(c.sheet), cleared.at(c.sheet)) << c.box << " changes nothing in " << c.sheet;
    }
}

// The untouched start is the Classic set: its digits and letters are green on black, coloured
// row by row from the start swatches, not the white of the glyph masks.
TEST_F(StartState, TheDigitsAndLettersAreGreenOnBlack) {
    const Sheets started = build();
    for (const char* sheet : {"numbers.bmp", "text.bmp"}) {
        int green = 0;
        for (const Colour c : started.at(sheet).pixels()) {
            const Colour rgb = c & 0xFFFFFFu;
            if (rgb == kBlack) continue;
            ASSERT_EQ(GetRed(rgb), 0) << sheet;
            ASSERT_EQ(GetBlue(rgb), 0) << sheet;
            if (GetGreen(rgb) >= 180) ++green;
        }
        EXPECT_GT(green, 150) << sheet;
    }
}

// The rows of pledit.bmp a player draws from: the top rows, the side tiles, the scroll handle,
// the small buttons and the shade bar, and the menu buttons.
constexpr struct {
    int first, last;
} kPlayerRows[] = {{0, 41}, {42, 71}, {111, 185}};

TEST_F(StartState, NoPlaylistStyleLeavesTheWhiteOfAnEmptySlot) {
    for (int style = 0; style < 5; ++style) {
        const Sheets sheets = build({"PLStyleCombo=" + std::to_string(style)});
        const Bitmap& pledit = sheets.at("pledit.bmp");
        for (const auto& rows : kPlayerRows)
            for (int y = rows.first; y <= rows.last; ++y)
                for (int x = 0; x < pledit.width(); ++x)
                    ASSERT_NE(pledit.at(x, y) & 0xFFFFFFu, kWhite)
                        << "style " << style << ": white at (" << x << ',' << y << ')';
    }
}

}  // namespace
