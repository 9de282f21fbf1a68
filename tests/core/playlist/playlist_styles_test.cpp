// Playlist styles of the library: listed from the style folders, and one choice fills the sheet
// slots and cuts every playlist part, small button and button group from them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "document/document.h"
#include "image/picture_file.h"
#include "playlist/playlist_styles.h"
#include "support/temp_dir.h"

using namespace pelterra;
namespace fs = std::filesystem;

namespace {

// A pixel colour that tells which style, sheet and place it came from.
Colour stamp(int style, int sheet, int x, int y) {
    return RGB((style * 40 + sheet * 7) & 0xFF, x & 0xFF, (y + 1) & 0xFF);
}

struct SheetSize {
    int w, h;
};
constexpr SheetSize kSizes[] = {{375, 174}, {375, 29}, {252, 72}, {252, 72}, {19, 59}, {17, 18}};

class PlaylistStyles : public ::testing::Test {
protected:
    // A style folder with every sheet, each pixel stamped; the caption sheet is white with one
    // dark pixel in the first cell of the add group's normal column.
    void putStyle(const std::string& name, int style) {
        const fs::path folder = dir / "PartsData" / "playlist" / name;
        fs::create_directories(folder);
        int sheet = 0;
        for (const PlaylistStyleFile& file : kPlaylistStyleFiles) {
            const SheetSize size = kSizes[sheet];
            Bitmap picture(size.w, size.h);
            for (int y = 0; y < size.h; ++y)
                for (int x = 0; x < size.w; ++x) picture.at(x, y) = stamp(style, sheet, x, y);
            if (file.slot == 41) {
                picture.fill(kWhite);
                picture.at(3 + 5, 18 + 4) = RGB(0, 0, 0);
            }
            ASSERT_TRUE(SavePicture(picture, (folder / file.name).string()).ok());
            ++sheet;
        }
    }
    test_support::TempDir dir;
    Document doc;
};

TEST_F(PlaylistStyles, AreTheFoldersSortedIgnoringCaseWithoutFilesOrHiddenFolders) {
    putStyle("metal", 1);
    putStyle("Glass", 2);
    putStyle("Classic", 3);
    fs::create_directories(dir / "PartsData" / "playlist" / ".hidden");
    ASSERT_TRUE(SavePicture(Bitmap(1, 1), (dir / "PartsData" / "playlist" / "loose.bmp").string()).ok());
    const auto styles = ListPlaylistStyles(dir.path());
    ASSERT_TRUE(styles.ok());
    EXPECT_EQ(*styles, (std::vector<std::string>{"Classic", "Glass", "metal"}));

    ASSERT_TRUE(FillPlaylistStyleList(doc, dir.path()).ok());
    EXPECT_EQ(doc.control(ctl::PLStyleCombo).entries, *styles);
    EXPECT_EQ(doc.value(ctl::PLStyleCombo), 0);
}

TEST_F(PlaylistStyles, AMissingFolderLeavesAnEmptyListAndChoosingNothingChangesNothing) {
    EXPECT_FALSE(ListPlaylistStyles(dir.path()).ok());
    EXPECT_TRUE(FillPlaylistStyleList(doc, dir.path()).ok());  // a library without styles is no fault
    EXPECT_TRUE(doc.control(ctl::PLStyleCombo).entries.empty());
    EXPECT_EQ(doc.value(ctl::PLStyleCombo), -1);
    const Bitmap before = doc.slot(pic::picPLPartsData, 0);
    EXPECT_TRUE(ChoosePlaylistStyle(doc, dir.path(), -1).ok());
    EXPECT_EQ(doc.slot(pic::picPLPartsData, 0), before);
}

TEST_F(PlaylistStyles, AChoiceCutsEveryPartAndShowsOnlyWhatWasCut) {
    putStyle("Glass", 2);
    ASSERT_TRUE(FillPlaylistStyleList(doc, dir.path()).ok());
    ASSERT_TRUE(ChoosePlaylistStyle(doc, dir.path(), 0).ok());
    const auto part = [&](int slot, int x, int y) { return doc.slot(pic::picPLPartsData, slot).at(x, y); };

    // Sheets in their slots; the scroll handle straight from its file.
    EXPECT_EQ(part(38, 100, 100), stamp(2, 0, 100, 100));
    EXPECT_EQ(part(34, 9, 17), stamp(2, 5, 9, 17));
    // The title from layout (137,0), the inactive top tile from (325,0), the top-right corner with
    // the active small buttons at (4,3) and (14,3).
    EXPECT_EQ(part(2, 0, 0), stamp(2, 0, 137, 0));
    EXPECT_EQ(part(24, 24, 19), stamp(2, 0, 349, 19));
    EXPECT_EQ(part(3, 0, 0), stamp(2, 0, 350, 0));
    EXPECT_EQ(part(3, 4, 3), stamp(2, 4, 0, 0));
    EXPECT_EQ(part(3, 14 + 8, 3 + 8), stamp(2, 4, 18, 8));
    EXPECT_EQ(part(20, 4, 3), stamp(2, 4, 0, 10));
    // The shade bar's right end carries the active shade buttons, not the inactive ones.
    EXPECT_EQ(part(32, 29, 3), stamp(2, 4, 0, 30));
    EXPECT_EQ(part(35, 0, 0), stamp(2, 4, 10, 20));
    EXPECT_EQ(part(37, 8, 8), stamp(2, 4, 8, 58));

    // The left frame is 12 of its slot's 25 columns: its Mask shows those and keeps the rest
    // for the picture below; the right frame's 20 columns lie at the right edge.
    EXPECT_EQ(part(14, 11, 28), kWhite);
    EXPECT_EQ(part(14, 12, 0), kBlack);
    EXPECT_EQ(part(15, 4, 0), kBlack);
    EXPECT_EQ(part(15, 5, 0), kWhite);
    EXPECT_EQ(part(5, 5, 0), stamp(2, 0, 355, 107));
    // Without mask sheets every cut piece covers all of itself, and without an inactive top row
    // the inactive title is the active one.
    EXPECT_EQ(part(12, 50, 10), kWhite);
    EXPECT_EQ(part(17, 24, 37), kWhite);
    EXPECT_EQ(part(22, 0, 0), stamp(2, 0, 137, 0));

    // Button group 0: bar and normal column from the background sheet at (0,18), the pressed
    // column from 26 further right, and the caption sheet's dark pixel laid over with AND.
    const Bitmap& group = doc.slot(pic::picPLButtonBack, 5);
    EXPECT_EQ(group.at(0, 0), stamp(2, 2, 0, 18));
    EXPECT_EQ(group.at(25, 0), stamp(2, 2, 26, 18));
    EXPECT_EQ(group.at(3 + 5, 4), kBlack);
    EXPECT_EQ(group.at(3 + 6, 4), stamp(2, 2, 9, 22));
}

TEST_F(PlaylistStyles, MaskSheetsShapeThePartMasksAndTheInactiveRowComesFromItsOwnSheet) {
    putStyle("Glass", 2);
    const fs::path folder = dir / "PartsData" / "playlist" / "Glass";
    // The layout mask covers odd columns, the shade mask even rows; the inactive row is stamped.
    Bitmap layoutMask(375, 174, kBlack), shadeMask(375, 29, kBlack), inactive(375, 20);
    for (int y = 0; y < 174; ++y)
        for (int x = 1; x < 375; x += 2) layoutMask.at(x, y) = kWhite;
    for (int y = 0; y < 29; ++y)
        for (int x = 0; x < 375; ++x) shadeMask.at(x, y) = y % 2 == 0 ? kWhite : kBlack;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 375; ++x) inactive.at(x, y) = stamp(2, 9, x, y);
    ASSERT_TRUE(SavePicture(layoutMask, (folder / "layout.mask.bmp").string()).ok());
    ASSERT_TRUE(SavePicture(shadeMask, (folder / "shade.mask.bmp").string()).ok());
    ASSERT_TRUE(SavePicture(inactive, (folder / "layout.inactive.bmp").string()).ok());
    ASSERT_TRUE(FillPlaylistStyleList(doc, dir.path()).ok());
    ASSERT_TRUE(ChoosePlaylistStyle(doc, dir.path(), 0).ok());
    const auto part = [&](int slot, int x, int y) { return doc.slot(pic::picPLPartsData, slot).at(x, y); };

    // Masks cut with the rectangles of their Data: the title from (137,0), active and inactive;
    // the right frame from (355,107) to x 5, black beside it; the bottom tile from (125,136); the
    // shade bar tile from (25,0).
    for (const int mask : {12, 23}) {
        EXPECT_EQ(part(mask, 0, 0), kWhite) << mask;
        EXPECT_EQ(part(mask, 1, 0), kBlack) << mask;
    }
    EXPECT_EQ(part(15, 4, 0), kBlack);
    EXPECT_EQ(part(15, 5, 0), kWhite);
    EXPECT_EQ(part(15, 6, 0), kBlack);
    EXPECT_EQ(part(17, 0, 37), kWhite);
    EXPECT_EQ(part(17, 1, 37), kBlack);
    EXPECT_EQ(part(31, 3, 0), kWhite);
    EXPECT_EQ(part(31, 3, 1), kBlack);
    // The inactive corners, tile and title from the inactive row; the active ones and the
    // inactive small buttons as before.
    EXPECT_EQ(part(22, 0, 0), stamp(2, 9, 137, 0));
    EXPECT_EQ(part(24, 24, 19), stamp(2, 9, 349, 19));
    EXPECT_EQ(part(26, 0, 0), stamp(2, 9, 0, 0));
    EXPECT_EQ(part(20, 0, 0), stamp(2, 9, 350, 0));
    EXPECT_EQ(part(20, 4, 3), stamp(2, 4, 0, 10));
    EXPECT_EQ(part(2, 0, 0), stamp(2, 0, 137, 0));
}

TEST_F(PlaylistStyles, ASecondStyleReplacesTheFirstAndAMissingSheetChangesNothing) {
    putStyle("Classic", 1);
    putStyle("Glass", 2);
    putStyle("Metal", 3);
    fs::remove(dir / "PartsData" / "playlist" / "Metal" / "shade.bmp");
    ASSERT_TRUE(FillPlaylistStyleList(doc, dir.path()).ok());
    ASSERT_TRUE(ChoosePlaylistStyle(doc, dir.path(), 0).ok());
    // A file put into the left frame covers the whole slot; the next style shows its 12 columns only.
    doc.slot(pic::picPLPartsData, 14).fill(kWhite);
    ASSERT_TRUE(ChoosePlaylistStyle(doc, dir.path(), 1).ok());
    EXPECT_EQ(doc.slot(pic::picPLPartsData, 2).at(0, 0), stamp(2, 0, 137, 0));
    EXPECT_EQ(doc.slot(pic::picPLPartsData, 14).at(12, 0), kBlack);

    const Document before = doc;
    const Status failed = ChoosePlaylistStyle(doc, dir.path(), 2);
    ASSERT_FALSE(failed.ok());
    EXPECT_NE(failed.error().describe().find("shade.bmp"), std::string::npos) << failed.error().describe();
    EXPECT_EQ(doc.value(ctl::PLStyleCombo), 1);
    EXPECT_EQ(doc.slot(pic::picPLPartsData, 38), before.slot(pic::picPLPartsData, 38));
    EXPECT_EQ(doc.slot(pic::picPLButtonBack, 6), before.slot(pic::picPLButtonBack, 6));
}

}  // namespace
