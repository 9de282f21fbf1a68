#include <gtest/gtest.h>

#include "sheets/main_face.h"
#include "sheets/main_window_sheets.h"
#include "sheets/system_images.h"
#include "build_fixture.h"

using namespace pelterra;
using namespace pelterra::build_test;

namespace {

constexpr Colour kEarlier = RGB(7, 7, 7);  // what a sheet held before the build

class Sheets : public ::testing::Test {
protected:
    void SetUp() override {
        prepareDocument(doc);
        auto loaded = LoadSystemImages(folder.path());
        ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
        system = *loaded;
        for (SlotName sheet : {pic::cbuttons, pic::shufrep, pic::monoster, pic::playpaus, pic::titlebar, pic::posbar,
                               pic::PosbarNo, pic::volume, pic::balance})
            doc.slot(sheet).fill(kEarlier);
    }
    void build() {
        SelectBaseImages(doc);
        BuildMainWindowSheets(doc, system);
    }
    Colour face(int x, int y) const { return doc.slot(pic::Picture1).at(x, y); }
    Colour slider(int x, int y) const { return doc.slot(pic::picData, 4).at(x, y); }

    ProgramFolder folder;
    SystemImages system;
    Document doc;
};

TEST_F(Sheets, WithEveryIncludeBoxClearButtonSheetsHoldOnlyCutsOfTheFace) {
    build();
    const Bitmap& cbuttons = doc.slot(pic::cbuttons);
    for (int y = 0; y < 36; ++y)
        for (int x = 0; x < 136; ++x) {
            const Colour want = x < 114 ? face(16 + x, 88 + y % 18) : y < 32 ? face(136 + x - 114, 89 + y % 16) : kEarlier;
            ASSERT_EQ(cbuttons.at(x, y), want) << "cbuttons " << x << "," << y;
        }
    const Bitmap& monoster = doc.slot(pic::monoster);
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 58; ++x)
            ASSERT_EQ(monoster.at(x, y), x < 29 ? face(239 + x, 41 + y % 12) : face(212 + x - 29, 41 + y % 12));

    const Bitmap& shufrep = doc.slot(pic::shufrep);
    EXPECT_EQ(shufrep.at(0, 45), face(210, 89));
    EXPECT_EQ(shufrep.at(27, 59), face(237, 103));
    EXPECT_EQ(shufrep.at(28, 45), face(164, 89));
    EXPECT_EQ(shufrep.at(74, 59), face(210, 103));
    EXPECT_EQ(shufrep.at(46, 73), face(219, 58));
    EXPECT_EQ(shufrep.at(91, 84), face(264, 69));
    EXPECT_EQ(shufrep.at(80, 30), kEarlier);  // right of the shuffle cells
    EXPECT_EQ(shufrep.at(10, 60), kEarlier);  // the row between the button and toggle cells

    const Bitmap& titlebar = doc.slot(pic::titlebar);
    EXPECT_EQ(titlebar.at(27, 0), face(0, 0));
    EXPECT_EQ(titlebar.at(301, 86), face(274, 14));
    EXPECT_EQ(titlebar.at(302, 86), kEarlier);  // the strips are one column wider than the face
    EXPECT_EQ(titlebar.at(27, 29), face(0, 0));
    EXPECT_EQ(titlebar.at(343, 86), face(17, 64));
    EXPECT_EQ(titlebar.at(304, 42), face(10, 64));
    EXPECT_EQ(titlebar.at(320, 0), kEarlier);  // only two option strips at the top
    EXPECT_EQ(titlebar.at(0, 0), face(6, 3));
    EXPECT_EQ(titlebar.at(17, 35), face(252, 11));
    EXPECT_EQ(titlebar.at(26, 17), face(272, 11));
    EXPECT_EQ(titlebar.at(20, 30), kEarlier);

    const Bitmap& playpaus = doc.slot(pic::playpaus);
    EXPECT_EQ(playpaus.at(0, 0), face(26, 28));
    EXPECT_EQ(playpaus.at(26, 8), face(34, 36));
    EXPECT_EQ(playpaus.at(29, 8), face(26, 36));
    EXPECT_EQ(playpaus.at(41, 0), face(26, 28));
    for (int x = 30; x <= 35; ++x) EXPECT_EQ(playpaus.at(x, 4), kEarlier) << x;
}

TEST_F(Sheets, CheckedButtonSheetIsThePartOverTheCuts) {
    doc.setValue(ctl::CbuttonsCheck, 1);
    Bitmap mask(136, 36, kBlack);
    mask.at(5, 5) = kWhite;
    doc.assignSlot(pic::picData, 0, distinctPicture(136, 36, 20));
    doc.assignSlot(pic::picMask, 0, mask);
    doc.select(ctl::optPelterra, 0);
    build();
    EXPECT_EQ(doc.slot(pic::cbuttons).at(5, 5), doc.slot(pic::picData, 0).at(5, 5));
    EXPECT_EQ(doc.slot(pic::cbuttons).at(6, 5), face(22, 93));
}

TEST_F(Sheets, BitwiseBlendWhitensSheetPixelsBeyondTheSmallerPart) {
    // The shufrep part is 92x85 on a 93x92 sheet.
    doc.setValue(ctl::ShufrepCheck, 1);
    doc.assignSlot(pic::picMask, 1, Bitmap(92, 85, kBlack));
    doc.select(ctl::optPelterra, 1);
    build();
    EXPECT_EQ(doc.slot(pic::shufrep).at(0, 0), face(210, 89));
    EXPECT_EQ(doc.slot(pic::shufrep).at(92, 0), kWhite);
    EXPECT_EQ(doc.slot(pic::shufrep).at(0, 85), kWhite);
}

TEST_F(Sheets, PosbarHasTheKnobsAt248And278AndAnUntouchedColumn277) {
    doc.setValue(ctl::PosbarCheck, 1);
    build();
    const Bitmap& posbar = doc.slot(pic::posbar);
    ASSERT_EQ(posbar.width(), 307);
    ASSERT_EQ(posbar.height(), 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 248; ++x) ASSERT_EQ(posbar.at(x, y), face(16 + x, 72 + y));
        for (int x = 0; x < 29; ++x) {
            ASSERT_EQ(posbar.at(248 + x, y), slider(x, y));
            ASSERT_EQ(posbar.at(278 + x, y), slider(30 + x, y));
        }
        EXPECT_EQ(posbar.at(277, y), kEarlier);
    }
    const Bitmap& plain = doc.slot(pic::PosbarNo);
    ASSERT_EQ(plain.width(), 248);
    ASSERT_EQ(plain.height(), 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 248; ++x) ASSERT_EQ(plain.at(x, y), face(16 + x, 72 + y));
}

TEST_F(Sheets, PosbarWithoutTheBoxKeepsItsKnobCells) {
    build();
    EXPECT_EQ(doc.slot(pic::posbar).at(248, 0), kEarlier);
    EXPECT_EQ(doc.slot(pic::posbar).at(306, 9), kEarlier);
}

Colour throughMask(Colour sheet, Colour mask, Colour data) { return (sheet & ~mask & 0xFFFFFF) | (data & mask); }

TEST_F(Sheets, VolumeFramesKnobsAndUncutRowsGoThroughTheSystemPair) {
    build();
    const Bitmap& volume = doc.slot(pic::volume);
    const Colour dm = kSystemData & kSystemMask;
    for (int k = 0; k < 28; ++k) {
        EXPECT_EQ(volume.at(0, 15 * k), throughMask(face(107, 57), kSystemMask, kSystemData));
        EXPECT_EQ(volume.at(67, 15 * k + 13), throughMask(face(174, 70), kSystemMask, kSystemData));
        EXPECT_EQ(volume.at(30, 15 * k + 14), dm) << k;  // the row between two frames
    }
    EXPECT_EQ(volume.at(40, 425), dm);
    EXPECT_EQ(volume.at(14, 425), dm);  // between the two knob cells
    EXPECT_EQ(volume.at(5, 421), dm);   // above them
    EXPECT_EQ(volume.at(0, 422), throughMask(slider(45, 11), kSystemMask, kSystemData));
    EXPECT_EQ(volume.at(28, 431), throughMask(slider(43, 20), kSystemMask, kSystemData));
}

TEST_F(Sheets, TranslucentVolumeUsesTheSecondPairAndHasNoKnobs) {
    doc.setValue(ctl::VolumeRegionCheck, 1);
    build();
    const Bitmap& volume = doc.slot(pic::volume);
    EXPECT_EQ(volume.at(0, 0), throughMask(face(107, 57), kSystemMask2, kSystemData2));
    EXPECT_EQ(volume.at(0, 422), kSystemData2 & kSystemMask2);
}

TEST_F(Sheets, BalanceFramesCopy53ColumnsAndKeepTheRest) {
    build();
    const Bitmap& balance = doc.slot(pic::balance);
    EXPECT_EQ(balance.at(0, 0), throughMask(face(168, 57), kSystemMask, kSystemData));
    EXPECT_EQ(balance.at(52, 405 + 13), throughMask(face(220, 70), kSystemMask, kSystemData));
    EXPECT_EQ(balance.at(53, 0), throughMask(kEarlier, kSystemMask, kSystemData));
    EXPECT_EQ(balance.at(0, 422), throughMask(slider(15, 11), kSystemMask, kSystemData));
    EXPECT_EQ(balance.at(15, 422), throughMask(slider(0, 11), kSystemMask, kSystemData));
}

TEST_F(Sheets, TranslucentBalanceMovesTheKnobOnePixelRightPerFrame) {
    // A black face and a black translucent mask: the knob shows alone on black.
    doc.assignSlot(pic::Picture1, -1, Bitmap(275, 116, kBlack));
    folder.write("volume2.mask.bmp", Bitmap(68, 433, kBlack));
    auto loaded = LoadSystemImages(folder.path());
    ASSERT_TRUE(loaded.ok());
    system = *loaded;
    doc.setValue(ctl::BalanceRegionCheck, 1);
    build();
    const Bitmap& balance = doc.slot(pic::balance);
    for (int j = 0; j < 28; ++j) {
        SCOPED_TRACE(j);
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 14; ++x) ASSERT_EQ(balance.at(9 + j + x, 15 * j + y), slider(x, 11 + y));
        EXPECT_EQ(balance.at(8 + j, 15 * j), kBlack);
        EXPECT_EQ(balance.at(23 + j, 15 * j), kBlack);
        EXPECT_EQ(balance.at(9 + j, 15 * j + 11), kBlack);
    }
}

TEST_F(Sheets, TranslucentBalanceKnobCoversTheFaceInsteadOfMixingWithIt) {
    // A bright face under a black translucent mask: the knob must not be ORed into the face.
    doc.assignSlot(pic::Picture1, -1, Bitmap(275, 116, RGB(0x55, 0xAA, 0x0F)));
    folder.write("volume2.mask.bmp", Bitmap(68, 433, kBlack));
    auto loaded = LoadSystemImages(folder.path());
    ASSERT_TRUE(loaded.ok());
    system = *loaded;
    doc.setValue(ctl::BalanceRegionCheck, 1);
    build();
    const Bitmap& balance = doc.slot(pic::balance);
    for (int j : {0, 13, 27})
        for (int y = 0; y < 11; ++y)
            for (int x = 0; x < 14; ++x) ASSERT_EQ(balance.at(9 + j + x, 15 * j + y), slider(x, 11 + y)) << j;
    EXPECT_EQ(balance.at(8, 0), RGB(0x55, 0xAA, 0x0F));  // beside the knob the face shows
}

}  // namespace

namespace {

// Grey masks tell the two Mix modes apart: mask 128 and data 200 over 100 give 73 additive.
TEST_F(Sheets, EachSheetTakesTheMixModeOfItsOwnRow) {
    doc.assignSlot(pic::Picture1, -1, Bitmap(275, 116, RGB(100, 100, 100)));
    for (int part : {5, 6}) {
        doc.slot(pic::picData, part).fill(RGB(200, 200, 200));
        doc.slot(pic::picMask, part).fill(RGB(128, 128, 128));
    }
    doc.setValue(ctl::TitleBarCheck, 1);
    doc.setValue(ctl::FrameCheck, 1);
    doc.select(ctl::optPelterra, 4);  // titlebar bitwise; the frame's row 5 stays additive
    build();
    EXPECT_EQ(doc.slot(pic::Main).at(10, 10), RGB(73, 73, 73));
    // The titlebar is cut from the face after the frame (73), then (73 AND NOT 128) OR (128 AND 200).
    EXPECT_EQ(doc.slot(pic::titlebar).at(27, 0), RGB(201, 201, 201));
    doc.select(ctl::optSeken, 4);
    build();
    EXPECT_EQ(doc.slot(pic::titlebar).at(27, 0), RGB(73, 73, 73));  // max(73 - 128, 0) + 73
}

}  // namespace
