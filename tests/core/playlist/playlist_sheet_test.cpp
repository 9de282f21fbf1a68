#include <gtest/gtest.h>

#include "document/document.h"
#include "image/drawing.h"
#include "playlist/playlist_sheet.h"

using namespace pelterra;

namespace {

// A different value at every pixel of the 275x116 source, so each copy shows where it came from.
Colour sourcePixel(int x, int y) { return static_cast<Colour>(x + 512 * y); }
Colour composedPixel(int g, int x, int y) { return static_cast<Colour>(0x800000 + g * 0x10000 + x + 64 * y); }
constexpr Colour kUntouched = RGB(1, 2, 3);  // what the sheet held before the build

Bitmap numbered(int w, int h, Colour (*pixel)(int, int)) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.at(x, y) = pixel(x, y);
    return b;
}

class PlaylistSheet : public ::testing::Test {
protected:
    void SetUp() override {
        doc.setValue(ctl::chkPLMake, 1);
        doc.assignSlot(pic::picPrePLmain, 0, numbered(275, 116, sourcePixel));
        doc.slot(pic::picPL).fill(kUntouched);
        for (int g = 0; g < 5; ++g) {
            Bitmap& b = doc.slot(pic::picPLButtonBack, 5 + g);
            for (int y = 0; y < b.height(); ++y)
                for (int x = 0; x < b.width(); ++x) b.at(x, y) = composedPixel(g, x, y);
        }
        Bitmap& handle = doc.slot(pic::picPLPartsData, 34);
        handle.fill(RGB(10, 10, 10));
        Line(handle, 9, 0, 16, 17, RGB(20, 20, 20), LineForm::FilledBox);
        doc.slot(pic::picPLPartsData, 35).fill(RGB(35, 0, 0));
        doc.slot(pic::picPLPartsData, 36).fill(RGB(36, 0, 0));
        doc.slot(pic::picPLPartsData, 37).fill(RGB(37, 0, 0));
        // Parts with full masks, so that an overlay would show them.
        for (int d : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
            doc.slot(pic::picPLPartsData, d).fill(RGB(200, d, 0));
            doc.slot(pic::picPLPartsData, d + 10).fill(kWhite);
        }
        for (int d : {20, 22, 24, 26, 28, 30, 32}) {
            doc.slot(pic::picPLPartsData, d).fill(RGB(210, d, 0));
            doc.slot(pic::picPLPartsData, d + 1).fill(kWhite);
        }
    }
    Colour sheet(int x, int y) const { return doc.slot(pic::picPL).at(x, y); }

    Document doc;
};

TEST_F(PlaylistSheet, WithoutMakeBoxNothingChanges) {
    doc.setValue(ctl::chkPLMake, 0);
    BuildPlaylistSheet(doc);
    EXPECT_EQ(doc.slot(pic::picPL), Bitmap(280, 186, kUntouched));
}

TEST_F(PlaylistSheet, WithNoBoxCheckedEveryAreaIsAPlainCopyOfTheSource) {
    BuildPlaylistSheet(doc);
    // Frame areas: sheet point <- source point.
    EXPECT_EQ(sheet(0, 0), sourcePixel(0, 0));         // top-left
    EXPECT_EQ(sheet(24, 19), sourcePixel(24, 19));
    EXPECT_EQ(sheet(130, 5), sourcePixel(130, 5));     // top frame tile
    EXPECT_EQ(sheet(160, 5), sourcePixel(257, 5));     // top-right from x 250
    EXPECT_EQ(sheet(26, 0), sourcePixel(88, 0));       // title bar from x 88
    EXPECT_EQ(sheet(125, 19), sourcePixel(187, 19));
    EXPECT_EQ(sheet(3, 50), sourcePixel(3, 28));       // left frame from (0,20)
    EXPECT_EQ(sheet(40, 60), sourcePixel(264, 38));    // right frame from (250,20)
    EXPECT_EQ(sheet(10, 80), sourcePixel(10, 86));     // bottom-left from (0,78)
    EXPECT_EQ(sheet(180, 1), sourcePixel(26, 39));     // bottom frame from (25,38)
    EXPECT_EQ(sheet(279, 37), sourcePixel(124, 75));   // analyser from (50,38)
    EXPECT_EQ(sheet(275, 109), sourcePixel(274, 115)); // control block from (125,78)
    // Shade bar.
    EXPECT_EQ(sheet(72, 42), sourcePixel(0, 0));
    EXPECT_EQ(sheet(148, 55), sourcePixel(273, 13));
    EXPECT_EQ(sheet(99, 57), sourcePixel(224, 0));
    EXPECT_EQ(sheet(96, 70), sourcePixel(49, 13));
    // Inactive row: copies of the active row ("ActivePartsと同じ画像を出力" is the first choice).
    EXPECT_EQ(sheet(130, 25), sourcePixel(130, 4));
    EXPECT_EQ(sheet(3, 40), sourcePixel(3, 19));
    EXPECT_EQ(sheet(160, 30), sourcePixel(257, 9));
    EXPECT_EQ(sheet(30, 21), sourcePixel(92, 0));
    // Small pieces.
    EXPECT_EQ(sheet(52, 42), RGB(35, 0, 0));
    EXPECT_EQ(sheet(70, 50), RGB(36, 0, 0));
    EXPECT_EQ(sheet(158, 50), RGB(37, 0, 0));
    EXPECT_EQ(sheet(59, 70), RGB(10, 10, 10));  // scroll handle, its last pixel
    EXPECT_EQ(sheet(61, 53), RGB(20, 20, 20));  // pressed handle from x 9 of the slot
    // Gaps between the rectangles keep what the sheet held.
    for (auto [x, y] : {std::pair{25, 0}, {126, 10}, {10, 20}, {10, 41}, {80, 56}, {10, 71}, {50, 186 - 1}})
        EXPECT_EQ(sheet(x, y), kUntouched) << x << "," << y;
}

TEST_F(PlaylistSheet, ButtonGroupsComeFromTheComposedImages) {
    BuildPlaylistSheet(doc);
    EXPECT_EQ(sheet(48, 111), composedPixel(0, 0, 0));     // bar of group 0
    EXPECT_EQ(sheet(50, 164), composedPixel(0, 2, 53));
    EXPECT_EQ(sheet(0, 130), composedPixel(0, 3, 18));     // normal, second row
    EXPECT_EQ(sheet(23, 149), composedPixel(0, 25, 36));   // pressed, third row
    EXPECT_EQ(sheet(100, 182), composedPixel(1, 0, 71));   // group 1 bar is 72 high
    EXPECT_EQ(sheet(54, 111), composedPixel(1, 3, 18));    // group 1 rows start at y 18 ...
    EXPECT_EQ(sheet(54, 168), composedPixel(1, 3, 0));     // ... and its y 0 cell comes last
    EXPECT_EQ(sheet(98, 185), composedPixel(1, 46, 17));
    EXPECT_EQ(sheet(127, 111), composedPixel(2, 25, 0));
    EXPECT_EQ(sheet(200, 111), composedPixel(3, 0, 0));
    EXPECT_EQ(sheet(248, 166), composedPixel(4, 46, 36 + 17));
    EXPECT_EQ(sheet(104, 168), kUntouched);  // three-row groups have no fourth row
}

TEST_F(PlaylistSheet, SourceOptionPicksTheOpenedPlaylistPicture) {
    doc.slot(pic::picPrePLmain, 1).fill(RGB(9, 9, 9));
    doc.select(ctl::optPLPic, 1);
    BuildPlaylistSheet(doc);
    EXPECT_EQ(sheet(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(doc.work.picTmp, doc.slot(pic::picPrePLmain, 1));
}

TEST_F(PlaylistSheet, OriginalImageOptionTakesTheInactiveRowFromTheSource) {
    doc.select(ctl::optPLNotActive, 1);  // "元画像を出力"
    doc.setValue(ctl::chkPLParts, 1, 1);
    BuildPlaylistSheet(doc);
    EXPECT_EQ(sheet(130, 5), RGB(200, 1, 0));            // active top tile overlaid
    EXPECT_EQ(sheet(127, 21), sourcePixel(127, 21));     // inactive top tile from (127,21)
    EXPECT_EQ(sheet(151, 40), sourcePixel(151, 40));
    EXPECT_EQ(sheet(0, 21), sourcePixel(0, 0));          // the others from the active origins
    EXPECT_EQ(sheet(153, 21), sourcePixel(250, 0));
    EXPECT_EQ(sheet(26, 21), sourcePixel(88, 0));
}

TEST_F(PlaylistSheet, SameImageOptionCopiesTheOverlaidActiveRow) {
    for (int i : {0, 1, 2, 3}) doc.setValue(ctl::chkPLParts, i, 1);
    BuildPlaylistSheet(doc);
    EXPECT_EQ(sheet(0, 21), RGB(200, 0, 0));
    EXPECT_EQ(sheet(127, 40), RGB(200, 1, 0));
    EXPECT_EQ(sheet(26, 21), RGB(200, 2, 0));
    EXPECT_EQ(sheet(177, 21), RGB(200, 3, 0));
}

TEST_F(PlaylistSheet, InactivePartsAreLaidOverTheirSourceAreas) {
    doc.setValue(ctl::chkPLActive, 1);
    doc.slot(pic::picPLPartsData, 25).fill(kBlack);  // top tile mask: the source shows through
    BuildPlaylistSheet(doc);
    EXPECT_EQ(sheet(0, 21), RGB(210, 26, 0));
    EXPECT_EQ(sheet(130, 25), sourcePixel(130, 25));  // source origin (127,21)
    EXPECT_EQ(sheet(153, 21), RGB(210, 20, 0));
    EXPECT_EQ(sheet(125, 40), RGB(210, 22, 0));
    EXPECT_EQ(sheet(130, 5), sourcePixel(130, 5));    // the active row is left alone
}

TEST_F(PlaylistSheet, EveryPartBoxOverlaysItsArea) {
    for (int i = 0; i < 10; ++i) doc.setValue(ctl::chkPLParts, i, 1);
    BuildPlaylistSheet(doc);
    EXPECT_EQ(sheet(0, 0), RGB(200, 0, 0));
    EXPECT_EQ(sheet(24, 70), RGB(200, 4, 0));
    EXPECT_EQ(sheet(26, 42), RGB(200, 5, 0));
    EXPECT_EQ(sheet(124, 109), RGB(200, 6, 0));
    EXPECT_EQ(sheet(126, 72), RGB(200, 9, 0));
    // The bottom tile and the analyser piece take their parts as well: a tile of the picture alone
    // would show the list area wherever a widened window repeats it.
    EXPECT_EQ(sheet(180, 1), RGB(200, 7, 0));
    EXPECT_EQ(sheet(279, 37), RGB(200, 8, 0));
}

TEST(PlaylistSheetBlend, PartsAreLaidWithTheAdditiveBlend) {
    Document doc;
    doc.setValue(ctl::chkPLMake, 1);
    doc.setValue(ctl::chkPLShade, 1);
    doc.slot(pic::picPrePLmain, 0).fill(RGB(100, 100, 100));
    doc.slot(pic::picPLPartsData, 32).fill(RGB(200, 200, 200));
    doc.slot(pic::picPLPartsData, 33).fill(RGB(128, 0, 255));
    doc.slot(pic::picPLPartsData, 28).fill(RGB(50, 60, 70));
    doc.slot(pic::picPLPartsData, 29).fill(kBlack);
    BuildPlaylistSheet(doc);
    // back = max(b - m, 0), fore = max(m + d - 255, 0): (0 + 73, 100 + 0, 0 + 200)
    EXPECT_EQ(doc.slot(pic::picPL).at(99, 42), RGB(73, 100, 200));
    EXPECT_EQ(doc.slot(pic::picPL).at(148, 70), RGB(73, 100, 200));  // the second right end alike
    EXPECT_EQ(doc.slot(pic::picPL).at(72, 42), RGB(100, 100, 100));   // black mask: the source
}

}  // namespace
