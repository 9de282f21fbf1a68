#include <gtest/gtest.h>

#include "document/document.h"
#include "image/drawing.h"
#include "image/picture_file.h"
#include "playlist/playlist_commands.h"
#include "support/temp_dir.h"

using namespace pelterra;

namespace {

Colour numberedPixel(int x, int y) { return static_cast<Colour>(0x400000 + x + 512 * y); }

void number(Bitmap& b) {
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) b.at(x, y) = numberedPixel(x, y);
}

Bitmap numbered(int w, int h) {
    Bitmap b(w, h);
    number(b);
    return b;
}

// ---- button synthesis ----------------------------------------------------------------------

class ButtonSynthesis : public ::testing::Test {
protected:
    static constexpr Colour kInk = RGB(0, 0, 200);
    void SetUp() override {
        number(doc.slot(pic::picPLButtonBack, 0));
        doc.slot(pic::picPLButtonBack, 5).fill(RGB(77, 77, 77));
        Bitmap& fg = doc.slot(pic::picPLButton, 0);  // 22x54, white with one black and one ink pixel
        fg.fill(kWhite);
        fg.at(1, 2) = kInk;
        fg.at(10, 5) = kBlack;
    }
    Colour out(int x, int y) const { return doc.slot(pic::picPLButtonBack, 5).at(x, y); }
    Colour back(int x, int y) const { return numberedPixel(x, y); }

    Document doc;
};

TEST_F(ButtonSynthesis, WhiteIsTransparentWithTheFirstOption) {
    ASSERT_TRUE(doc.isSelected(ctl::optPLButton, 0));  // "白を透過"
    ASSERT_TRUE(cmdSynthesize(doc, 0).ok());
    EXPECT_EQ(out(0, 0), back(0, 0));
    EXPECT_EQ(out(24, 53), back(24, 53));    // bar and normal column: background (0,0) 25 wide
    EXPECT_EQ(out(25, 0), back(3, 0));       // pressed column: background from x 3
    EXPECT_EQ(out(46, 53), back(24, 53));
    EXPECT_EQ(out(1, 2), kInk);              // foreground column 1 over the bar ...
    EXPECT_EQ(out(4, 2), kInk);              // ... over the normal column at x + 3 ...
    EXPECT_EQ(out(26, 2), kInk);             // ... and over the pressed column at x + 25
    EXPECT_EQ(out(10, 5), back(10, 5));      // column 10 lies beyond the bar
    EXPECT_EQ(out(13, 5), kBlack);
    EXPECT_EQ(out(35, 5), kBlack);
    EXPECT_EQ(out(3, 5), back(3, 5));
}

TEST_F(ButtonSynthesis, BlackIsTransparentWithTheOtherTwoOptions) {
    for (int option : {1, 2}) {  // "黒を透過", "マスクを使用"
        doc.select(ctl::optPLButton, option);
        ASSERT_TRUE(cmdSynthesize(doc, 0).ok());
        EXPECT_EQ(out(13, 5), back(13, 5)) << option;  // the black pixel shows the background
        EXPECT_EQ(out(35, 5), back(13, 5)) << option;
        EXPECT_EQ(out(4, 2), kInk) << option;
        EXPECT_EQ(out(0, 0), kWhite) << option;        // white now covers
        EXPECT_EQ(out(24, 53), kWhite) << option;
        EXPECT_EQ(out(46, 53), kWhite) << option;
    }
}

TEST(ButtonSynthesisGroups, TheFourRowGroupIsComposedAtItsOwnHeight) {
    Document doc;
    doc.slot(pic::picPLButtonBack, 1).fill(RGB(5, 5, 5));
    doc.slot(pic::picPLButton, 1).fill(kWhite);
    doc.slot(pic::picPLButton, 1).at(21, 71) = RGB(9, 9, 9);
    ASSERT_TRUE(cmdSynthesize(doc, 1).ok());
    const Bitmap& out = doc.slot(pic::picPLButtonBack, 6);
    EXPECT_EQ(out.height(), 72);
    EXPECT_EQ(out.at(24, 71), RGB(9, 9, 9));
    EXPECT_EQ(out.at(46, 71), RGB(9, 9, 9));
    EXPECT_EQ(out.at(0, 71), RGB(5, 5, 5));
    EXPECT_EQ(doc.work.picTmp, out);
}

TEST(ButtonSynthesisGroups, AGroupOutsideTheFiveIsRefused) {
    Document doc;
    const Bitmap before = doc.slot(pic::picPLButtonBack, 9);
    EXPECT_FALSE(cmdSynthesize(doc, 5).ok());
    EXPECT_FALSE(cmdSynthesize(doc, -1).ok());
    EXPECT_EQ(doc.slot(pic::picPLButtonBack, 9), before);
}

// ---- cut-outs from layout sheets -----------------------------------------------------------

class PLCopy : public ::testing::Test {
protected:
    void SetUp() override {
        for (int s : {38, 39, 40, 42}) number(doc.slot(pic::picPLPartsData, s));
        Bitmap& text = doc.slot(pic::picPLPartsData, 41);
        text.fill(kWhite);
        text.at(54 + 26, 5) = RGB(0, 255, 0);  // a text pixel in the pressed column of group 1
        for (int s = 0; s < 38; ++s) doc.slot(pic::picPLPartsData, s).fill(kUntouched);
        for (int g = 5; g < 10; ++g) doc.slot(pic::picPLButtonBack, g).fill(RGB(128, 128, 128));
    }
    Colour part(int slot, int x, int y) const { return doc.slot(pic::picPLPartsData, slot).at(x, y); }
    Colour group(int g, int x, int y) const { return doc.slot(pic::picPLButtonBack, 5 + g).at(x, y); }

    static constexpr Colour kUntouched = RGB(3, 3, 3);
    Document doc;
};

TEST_F(PLCopy, FrameCutsFillTheirPartSlots) {
    ASSERT_TRUE(cmdPLCopy(doc, 3).ok());  // "上の枠" into the inactive top tile
    EXPECT_EQ(part(24, 0, 0), numberedPixel(325, 0));
    EXPECT_EQ(part(24, 24, 19), numberedPixel(349, 19));
    EXPECT_EQ(part(1, 0, 0), kUntouched);
    ASSERT_TRUE(cmdPLCopy(doc, 8).ok());  // "左の枠": 12 columns
    EXPECT_EQ(part(4, 11, 28), numberedPixel(11, 135));
    EXPECT_EQ(part(4, 12, 0), kUntouched);
    ASSERT_TRUE(cmdPLCopy(doc, 13).ok());  // "コントロール"
    EXPECT_EQ(part(9, 149, 37), numberedPixel(374, 173));
    ASSERT_TRUE(cmdPLCopy(doc, 16).ok());  // "右端" of the shade sheet
    EXPECT_EQ(part(32, 0, 0), numberedPixel(325, 0));
    EXPECT_EQ(part(32, 49, 13), numberedPixel(374, 13));
    EXPECT_EQ(PLCopyCaption(3), "上の枠");
    EXPECT_EQ(PLCopyCaption(16), "右端");
}

TEST_F(PLCopy, RightFrameCutLandsWherePlayersReadTheRightTile) {
    // The slot lies at x 26 of the sheet; players read the tile from x 31, slot column 5.
    ASSERT_TRUE(cmdPLCopy(doc, 11).ok());
    EXPECT_EQ(part(5, 5, 0), numberedPixel(355, 107));
    EXPECT_EQ(part(5, 24, 28), numberedPixel(374, 135));
    EXPECT_EQ(part(5, 4, 0), kUntouched);
}

TEST_F(PLCopy, SmallButtonCellsGoToTheirPlaces) {
    ASSERT_TRUE(cmdPLCopy(doc, 30).ok());  // "NotActive2"
    EXPECT_EQ(part(20, 14, 3), numberedPixel(10, 10));
    EXPECT_EQ(part(20, 22, 11), numberedPixel(18, 18));
    EXPECT_EQ(part(20, 13, 3), kUntouched);
    EXPECT_EQ(part(20, 23, 12), kUntouched);
    ASSERT_TRUE(cmdPLCopy(doc, 33).ok());  // "ShadeActive1"
    EXPECT_EQ(part(32, 29, 3), numberedPixel(0, 30));
    ASSERT_TRUE(cmdPLCopy(doc, 35).ok());  // "ShadeNotAct1" takes the same place
    EXPECT_EQ(part(32, 29, 3), numberedPixel(0, 40));
    ASSERT_TRUE(cmdPLCopy(doc, 37).ok());  // "押したとき３"
    EXPECT_EQ(part(37, 8, 8), numberedPixel(8, 58));
}

TEST_F(PLCopy, ButtonBackgroundCutTakesBarNormalAndPressedColumns) {
    ASSERT_TRUE(cmdPLCopy(doc, 18).ok());  // "ファイル削除": group 1, from (54,0), 72 high
    EXPECT_EQ(group(1, 0, 0), numberedPixel(54, 0));
    EXPECT_EQ(group(1, 24, 71), numberedPixel(78, 71));
    EXPECT_EQ(group(1, 25, 0), numberedPixel(80, 0));   // pressed column 26 right of the bar
    EXPECT_EQ(group(1, 46, 71), numberedPixel(101, 71));
    ASSERT_TRUE(cmdPLCopy(doc, 17).ok());  // group 0 from (0,18)
    EXPECT_EQ(group(0, 0, 0), numberedPixel(0, 18));
    EXPECT_EQ(group(0, 25, 53), numberedPixel(26, 71));
    EXPECT_EQ(group(2, 0, 0), RGB(128, 128, 128));
}

TEST_F(PLCopy, SecondButtonCutFollowsTheCutOutOption) {
    ASSERT_TRUE(cmdPLCopy(doc, 23).ok());  // "背景を切り出す": as the first set
    EXPECT_EQ(group(1, 0, 0), numberedPixel(54, 0));

    doc.slot(pic::picPLButtonBack, 6).fill(RGB(128, 128, 128));
    doc.select(ctl::optMoePLButton, 1);       // "文字を切り出す": the text sheet ANDed in
    ASSERT_TRUE(cmdPLCopy(doc, 23).ok());
    EXPECT_EQ(group(1, 0, 0), RGB(128, 128, 128));
    EXPECT_EQ(group(1, 25, 5), RGB(0, 128, 0));

    const Bitmap before = doc.slot(pic::picPLButtonBack, 6);
    doc.select(ctl::optMoePLButton, 2);       // "マスクを切り出す": nothing
    ASSERT_TRUE(cmdPLCopy(doc, 23).ok());
    EXPECT_EQ(doc.slot(pic::picPLButtonBack, 6), before);
}

TEST_F(PLCopy, ACommandOutsideTheTableIsRefused) {
    EXPECT_FALSE(cmdPLCopy(doc, 38).ok());
    EXPECT_FALSE(cmdPLCopy(doc, -1).ok());
    EXPECT_EQ(PLCopyCaption(38), "");
}

// ---- loading pictures ----------------------------------------------------------------------

TEST(PlaylistSlotLoad, ButtonRowsOfAPleditAreRearrangedIntoTheButtonSheet) {
    Document doc;
    const Bitmap rows = numbered(280, 75);
    ASSERT_TRUE(LoadPlaylistSlotPicture(doc, pic::picPLPartsData, 40, rows).ok());
    const Bitmap& sheet = doc.slot(pic::picPLPartsData, 40);
    EXPECT_EQ(sheet.at(0, 18), rows.at(48, 0));      // bar of group 0
    EXPECT_EQ(sheet.at(2, 71), rows.at(50, 53));
    EXPECT_EQ(sheet.at(3, 18), rows.at(0, 0));       // normal cells
    EXPECT_EQ(sheet.at(24, 71), rows.at(21, 55));
    EXPECT_EQ(sheet.at(26, 36), rows.at(23, 19));    // pressed cells
    EXPECT_EQ(sheet.at(54, 0), rows.at(100, 0));     // group 1 bar, 72 high
    EXPECT_EQ(sheet.at(56, 71), rows.at(102, 71));
    EXPECT_EQ(sheet.at(57, 0), rows.at(54, 57));     // its fourth row goes to the top
    EXPECT_EQ(sheet.at(80, 54), rows.at(77, 38));
    EXPECT_EQ(sheet.at(230, 54), rows.at(227, 38));  // group 4 pressed, third row
    EXPECT_EQ(sheet.at(25, 18), kWhite);             // column between normal and pressed
    EXPECT_EQ(sheet.at(0, 0), kWhite);
}

TEST(PlaylistSlotLoad, OtherSizesAreStretchedToTheSlot) {
    Document doc;
    Bitmap picture(280, 76, RGB(10, 10, 10));
    Line(picture, 140, 0, 279, 75, RGB(20, 20, 20), LineForm::FilledBox);
    ASSERT_TRUE(LoadPlaylistSlotPicture(doc, pic::picPLPartsData, 40, picture).ok());
    const Bitmap& sheet = doc.slot(pic::picPLPartsData, 40);
    EXPECT_EQ(sheet.at(0, 0), RGB(10, 10, 10));
    EXPECT_EQ(sheet.at(125, 71), RGB(10, 10, 10));
    EXPECT_EQ(sheet.at(126, 0), RGB(20, 20, 20));
    EXPECT_EQ(sheet.at(251, 71), RGB(20, 20, 20));

    // A 280x75 picture in a slot that holds no button sheet is stretched too.
    Bitmap rows(280, 75, RGB(10, 10, 10));
    Line(rows, 140, 0, 279, 74, RGB(20, 20, 20), LineForm::FilledBox);
    ASSERT_TRUE(LoadPlaylistSlotPicture(doc, pic::picPLPartsData, 38, rows).ok());
    EXPECT_EQ(doc.slot(pic::picPLPartsData, 38).at(186, 173), RGB(10, 10, 10));
    EXPECT_EQ(doc.slot(pic::picPLPartsData, 38).at(188, 0), RGB(20, 20, 20));
}

TEST(PlaylistSlotLoad, UnknownSlotsAndUnreadableFilesChangeNothing) {
    Document doc;
    const Bitmap picture(10, 10, kBlack);
    EXPECT_FALSE(LoadPlaylistSlotPicture(doc, pic::picPLPartsData, 44, picture).ok());
    EXPECT_FALSE(LoadPlaylistSlotPicture(doc, pic::picData, 0, picture).ok());
    EXPECT_EQ(doc.slot(pic::picData, 0), Bitmap(136, 36, kWhite));

    test_support::TempDir dir;
    const auto missing = (dir / "missing.bmp").string();
    const Result<Done> r = LoadPlaylistSlotFile(doc, pic::picPLButton, 3, missing);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(r.error().path, missing);
    EXPECT_EQ(doc.slot(pic::picPLButton, 3), Bitmap(22, 54, kWhite));

    const auto file = (dir / "button.bmp").string();
    ASSERT_TRUE(SavePicture(Bitmap(11, 27, RGB(4, 5, 6)), file).ok());
    ASSERT_TRUE(LoadPlaylistSlotFile(doc, pic::picPLButton, 3, file).ok());
    EXPECT_EQ(doc.slot(pic::picPLButton, 3), Bitmap(22, 54, RGB(4, 5, 6)));
}

TEST(PlaylistPictureOpen, OnlyA275By116PictureIsTakenAsItIs) {
    Document doc;
    const Bitmap exact = numbered(275, 116);
    const Result<bool> taken = LoadPlaylistPicture(doc, exact);
    ASSERT_TRUE(taken.ok());
    EXPECT_FALSE(*taken);
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 1), exact);

    Bitmap other(550, 232, RGB(1, 1, 1));
    Line(other, 275, 0, 549, 231, RGB(2, 2, 2), LineForm::FilledBox);
    const Result<bool> stretched = LoadPlaylistPicture(doc, other);
    ASSERT_TRUE(stretched.ok());
    EXPECT_TRUE(*stretched);
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 1).at(136, 115), RGB(1, 1, 1));
    EXPECT_EQ(doc.slot(pic::picPrePLmain, 1).at(138, 0), RGB(2, 2, 2));
    EXPECT_FALSE(LoadPlaylistPicture(doc, Bitmap()).ok());
}

}  // namespace
