// The playlist parts of the generated library: one folder per style with the layout sheets the
// playlist cut-out commands read, drawn so that every piece cut from them is a finished part.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "tools/library_files.h"

namespace pelterra {
namespace {

namespace fs = std::filesystem;

using namespace library_files;

const fs::path kPlaylist = kParts / "playlist";

std::vector<fs::path> styleFolders() {
    std::vector<fs::path> folders;
    for (const auto& e : fs::directory_iterator(kPlaylist))
        if (e.is_directory()) folders.push_back(e.path());
    std::sort(folders.begin(), folders.end());
    return folders;
}

struct SheetFile {
    const char* name;
    int w, h;
};
const SheetFile kSheets[] = {
    {"layout.bmp", 375, 174},      {"shade.bmp", 375, 29},         {"button_back.bmp", 252, 72},
    {"button_text.bmp", 252, 72}, {"small_buttons.bmp", 19, 59}, {"scroll_handle.bmp", 17, 18},
    {"layout.mask.bmp", 375, 174}, {"shade.mask.bmp", 375, 29},   {"layout.inactive.bmp", 375, 20},
};

int colourCount(const Bitmap& b) { return static_cast<int>(std::set<Colour>(b.pixels().begin(), b.pixels().end()).size()); }

// Every column of the picture is the same: a tile that repeats sideways without a seam and
// without fragments of a caption.
bool columnsAlike(const Bitmap& b) {
    for (int y = 0; y < b.height(); ++y)
        for (int x = 1; x < b.width(); ++x)
            if (b.at(x, y) != b.at(0, y)) return false;
    return true;
}

bool rowsAlike(const Bitmap& b) {
    for (int y = 1; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (b.at(x, y) != b.at(x, 0)) return false;
    return true;
}

// A 3 x 3 block of pure white: the white of an empty slot, not a highlight or a glyph stroke.
bool hasWhiteArea(const Bitmap& b) {
    for (int y = 0; y + 2 < b.height(); ++y)
        for (int x = 0; x + 2 < b.width(); ++x)
            if (cut(b, {x, y, 3, 3}) == Bitmap(3, 3, kWhite)) return true;
    return false;
}

TEST(PlaylistParts, EveryStyleHasEverySheetAtItsSize) {
    const auto folders = styleFolders();
    ASSERT_EQ(folders.size(), 5u);
    for (const fs::path& folder : folders) {
        for (const SheetFile& sheet : kSheets) {
            const Bitmap b = load(folder / sheet.name);
            EXPECT_EQ(b.width(), sheet.w) << folder / sheet.name;
            EXPECT_EQ(b.height(), sheet.h) << folder / sheet.name;
        }
    }
}

TEST(PlaylistParts, NoSheetThatPlayersShowHasAWhiteArea) {
    for (const fs::path& folder : styleFolders()) {
        for (const SheetFile& sheet : kSheets) {
            // The caption sheet's white leaves the buttons as they are; a mask's white is the frame.
            if (std::string(sheet.name) == "button_text.bmp" || std::string(sheet.name).find(".mask.") != std::string::npos)
                continue;
            EXPECT_FALSE(hasWhiteArea(load(folder / sheet.name))) << folder / sheet.name;
        }
    }
}

// The pieces the cut-out commands take from the layout and shade sheets.
struct Piece {
    const char* name;
    const char* file;
    Rect r;
};
const Piece kPieces[] = {
    {"top-left corner", "layout.bmp", {0, 0, 25, 20}},       {"top tile", "layout.bmp", {325, 0, 25, 20}},
    {"title", "layout.bmp", {137, 0, 100, 20}},              {"top-right corner", "layout.bmp", {350, 0, 25, 20}},
    {"left side", "layout.bmp", {0, 107, 12, 29}},           {"right side", "layout.bmp", {355, 107, 20, 29}},
    {"bottom-left block", "layout.bmp", {0, 136, 125, 38}},  {"bottom tile", "layout.bmp", {125, 136, 25, 38}},
    {"analyser", "layout.bmp", {150, 136, 75, 38}},          {"bottom-right block", "layout.bmp", {225, 136, 150, 38}},
    {"shade bar left end", "shade.bmp", {0, 0, 25, 14}},     {"shade bar tile", "shade.bmp", {25, 0, 25, 14}},
    {"shade bar right end", "shade.bmp", {325, 0, 50, 14}},
};

// The longest run of black (the picture showing) along any row of a mask.
int longestOpenRun(const Bitmap& mask) {
    int longest = 0;
    for (int y = 0; y < mask.height(); ++y)
        for (int x = 0, run = 0; x < mask.width(); ++x) {
            run = mask.at(x, y) == kBlack ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

// The frame is drawn in thin lines over the picture: rims, a post at the start of every piece,
// the caption and the buttons; the rest of every piece shows the picture. A post crosses every
// row of a repeated piece, so that a widened window shows no run of the picture longer than a
// tile. The inactive top row has the same frame, drawn apart.
TEST(PlaylistParts, EveryPieceIsDrawnAndTilesRepeatWithoutASeam) {
    for (const fs::path& folder : styleFolders()) {
        for (const Piece& p : kPieces) {
            const Bitmap piece = cut(load(folder / p.file), p.r);
            EXPECT_GE(colourCount(piece), 2) << folder << ": " << p.name;
        }
        const Bitmap layout = load(folder / "layout.bmp"), shade = load(folder / "shade.bmp");
        const Bitmap layoutMask = load(folder / "layout.mask.bmp"), shadeMask = load(folder / "shade.mask.bmp");
        // Two neighbouring tiles of the sheet are alike: the one cut out repeats without a seam.
        EXPECT_EQ(cut(layout, {300, 0, 25, 20}), cut(layout, {325, 0, 25, 20})) << folder << ": the top tile";
        EXPECT_EQ(cut(shade, {50, 0, 25, 14}), cut(shade, {25, 0, 25, 14})) << folder << ": the shade bar tile";
        EXPECT_TRUE(rowsAlike(cut(layout, {0, 107, 12, 29}))) << folder << ": the left side";
        EXPECT_TRUE(rowsAlike(cut(layout, {355, 107, 20, 29}))) << folder << ": the right side";
        // The title piece carries the caption: its columns differ.
        EXPECT_FALSE(columnsAlike(cut(layout, {137, 0, 100, 20}))) << folder << ": the title";

        struct Opening {
            const char* name;
            const Bitmap& mask;
            Rect r;
            int run;      // the longest run of the picture along a row
            int covered;  // the frame's pixels
        };
        const Opening openings[] = {
            {"top-left corner", layoutMask, {0, 0, 25, 20}, 21, 122},
            {"top tile", layoutMask, {325, 0, 25, 20}, 21, 122},
            {"title", layoutMask, {137, 0, 100, 20}, 25, 522},
            {"top-right corner", layoutMask, {350, 0, 25, 20}, 23, 248},
            {"left side", layoutMask, {0, 107, 12, 29}, 11, 29},
            {"right side", layoutMask, {355, 107, 20, 29}, 9, 87},
            {"bottom-left block", layoutMask, {0, 136, 125, 38}, 24, 1840},
            {"bottom tile", layoutMask, {125, 136, 25, 38}, 24, 62},
            {"analyser", layoutMask, {150, 136, 75, 38}, 24, 186},
            {"bottom-right block", layoutMask, {225, 136, 150, 38}, 24, 823},
            {"shade bar tile", shadeMask, {25, 0, 25, 14}, 21, 98},
            {"shade bar right end", shadeMask, {325, 0, 50, 14}, 23, 334},
        };
        for (const Opening& o : openings) {
            const Bitmap mask = cut(o.mask, o.r);
            EXPECT_EQ(longestOpenRun(mask), o.run) << folder << ": " << o.name;
            EXPECT_EQ(colourCount(mask), 2) << folder << ": " << o.name << " is black and white";
            EXPECT_EQ(static_cast<int>(std::count(mask.pixels().begin(), mask.pixels().end(), kWhite)), o.covered)
                << folder << ": " << o.name;
        }
        EXPECT_EQ(cut(load(folder / "layout.inactive.bmp"), {0, 0, 375, 20}) == cut(layout, {0, 0, 375, 20}), false)
            << folder << ": the unfocused top row is drawn apart";
    }
}

// The small-button sheet's cells go into the corner and the shade bar's right end at the places
// the window's own buttons are drawn: cutting them in must not change the picture.
TEST(PlaylistParts, SmallButtonsMatchTheButtonsOfTheBars) {
    struct Match {
        const char* file;
        Point at;    // in the layout or shade sheet
        Point cell;  // in the small-button sheet
    };
    const Match kMatches[] = {
        {"layout.bmp", {354, 3}, {0, 0}},
        {"layout.bmp", {364, 3}, {10, 0}},
        {"shade.bmp", {354, 3}, {0, 30}},
        {"shade.bmp", {364, 3}, {10, 30}},
    };
    for (const fs::path& folder : styleFolders()) {
        const Bitmap small = load(folder / "small_buttons.bmp");
        for (const Match& m : kMatches)
            EXPECT_EQ(cut(load(folder / m.file), {m.at.x, m.at.y, 9, 9}), cut(small, {m.cell.x, m.cell.y, 9, 9}))
                << folder << ": " << m.file << " at " << m.at.x << "," << m.at.y;
        // Inactive and pressed cells differ from the active normal ones.
        for (int x : {0, 10}) {
            EXPECT_NE(cut(small, {x, 0, 9, 9}), cut(small, {x, 10, 9, 9})) << folder << " column " << x;
            EXPECT_NE(cut(small, {x, 0, 9, 9}), cut(small, {x, 20, 9, 9})) << folder << " column " << x;
            EXPECT_NE(cut(small, {x, 30, 9, 9}), cut(small, {x, 50, 9, 9})) << folder << " column " << x;
        }
        for (int y = 0; y <= 50; y += 10)
            for (int x : {0, 10}) EXPECT_GE(colourCount(cut(small, {x, y, 9, 9})), 2) << folder << " cell " << x << "," << y;
        const Bitmap handle = load(folder / "scroll_handle.bmp");
        EXPECT_GE(colourCount(cut(handle, {0, 0, 8, 18})), 2) << folder;
        EXPECT_NE(cut(handle, {0, 0, 8, 18}), cut(handle, {9, 0, 8, 18})) << folder;
    }
}

// Menu cells of the button sheets: bar x and top of each group, and its rows of cells.
struct MenuGroup {
    int x, y, cells;
};
const MenuGroup kMenuGroups[] = {{0, 18, 3}, {54, 0, 4}, {104, 18, 3}, {154, 18, 3}, {204, 18, 3}};

TEST(PlaylistParts, EveryMenuButtonHasItsOwnCaption) {
    for (const fs::path& folder : styleFolders()) {
        const Bitmap back = load(folder / "button_back.bmp");
        const Bitmap text = load(folder / "button_text.bmp");
        Bitmap textOutsideCells = text;
        for (const MenuGroup& g : kMenuGroups) {
            EXPECT_GE(colourCount(cut(back, {g.x, g.y, 3, 18 * g.cells})), 2) << folder << ": bar of group at " << g.x;
            std::vector<Bitmap> normal;
            for (int j = 0; j < g.cells; ++j) {
                const int y = g.y + 18 * j;
                normal.push_back(cut(back, {g.x + 3, y, 22, 18}));
                EXPECT_NE(normal.back(), cut(back, {g.x + 26, y, 22, 18})) << folder << ": pressed cell at " << g.x << "," << y;
                for (int x : {g.x + 3, g.x + 26}) {
                    EXPECT_GE(colourCount(cut(text, {x, y, 22, 18})), 2) << folder << ": text at " << x << "," << y;
                    // The caption keeps three pixels clear of the button's edges, pressed or not.
                    Bitmap outsideClearSpace = cut(text, {x, y, 22, 18});
                    Line(outsideClearSpace, 3, 3, 18, 14, kWhite, LineForm::FilledBox);
                    EXPECT_EQ(outsideClearSpace, Bitmap(22, 18, kWhite)) << folder << ": caption at " << x << "," << y;
                    Line(textOutsideCells, x, y, x + 21, y + 17, kWhite, LineForm::FilledBox);
                }
            }
            for (std::size_t a = 0; a < normal.size(); ++a)
                for (std::size_t b = a + 1; b < normal.size(); ++b)
                    EXPECT_NE(normal[a], normal[b]) << folder << ": two buttons alike in the group at " << g.x;
        }
        // The text sheet is laid over the buttons with AND: white outside the captions.
        EXPECT_EQ(textOutsideCells, Bitmap(252, 72, kWhite)) << folder;
    }
}

// The contact sheet shows every playlist sheet at its own size: find the Metal layout in it.
TEST(PlaylistParts, TheContactSheetShowsThePlaylistSheets) {
    const Bitmap sheet = load(kBin / "PartsData-contact-sheet.png");
    const Bitmap layout = load(kPlaylist / "Metal/layout.bmp");
    ASSERT_FALSE(layout.empty());
    bool found = false;
    for (int y = 0; y + layout.height() <= sheet.height() && !found; ++y)
        for (int x = 0; x + layout.width() <= sheet.width() && !found; ++x)
            found = sheet.at(x, y) == layout.at(0, 0) && cut(sheet, {x, y, layout.width(), layout.height()}) == layout;
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace pelterra
