#include "equalizer/eq_sheet.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "image/picture_file.h"
#include "support/temp_dir.h"

using namespace pelterra;

namespace {

// A picture whose every pixel says where it came from: red/blue carry x, green carries y, and the
// tag keeps pictures apart.
Colour tagged(int tag, int x, int y) { return RGB(x & 255, y & 255, tag * 16 + (x >> 8)); }

Bitmap taggedPicture(int tag, int width, int height) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.at(x, y) = tagged(tag, x, y);
    return b;
}

Bitmap filled(int width, int height, const std::function<Colour(int, int)>& colour) {
    Bitmap b(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) b.at(x, y) = colour(x, y);
    return b;
}

constexpr int kPicture1 = 1, kPicture2 = 2, kPreEQMain = 3, kPreEQMain2 = 4, kSlider = 5;
constexpr Colour kUntouched = RGB(1, 2, 3);

class EqSheet : public ::testing::Test {
protected:
    void SetUp() override {
        doc.assignSlot(pic::Picture1, -1, taggedPicture(kPicture1, 275, 116));
        doc.assignSlot(pic::Picture2, -1, taggedPicture(kPicture2, 275, 116));
        doc.assignSlot(pic::PreEQMainData, -1, taggedPicture(kPreEQMain, 275, 116));
        doc.assignSlot(pic::PreEQMainData2, -1, taggedPicture(kPreEQMain2, 275, 116));
        doc.assignSlot(pic::PreSliderData, -1, taggedPicture(kSlider, 222, 128));
        doc.slot(pic::EQ).fill(kUntouched);  // what an earlier build left
    }

    // After a single picture with "EQも出力" clear the face is Picture2.
    Colour face(int x, int y) const { return tagged(kPicture2, x, y); }
    Colour sheet(int x, int y) const { return doc.slot(pic::EQ).at(x, y); }

    void setPart(int slot, Colour data, const std::function<Colour(int, int)>& mask) {
        const Bitmap& s = doc.slot(pic::picEQData, slot);
        doc.assignSlot(pic::picEQData, slot, Bitmap(s.width(), s.height(), data));
        doc.assignSlot(pic::picEQMask, slot, filled(s.width(), s.height(), mask));
    }

    Document doc;
};

Colour black(int, int) { return kBlack; }

// ---- the face ------------------------------------------------------------------------------

TEST_F(EqSheet, FaceChoiceFollowsOptionSkinModeFlagAndEqBelow) {
    EXPECT_EQ(EqualizerFaceSlot(doc), pic::Picture2);  // single picture
    doc.combinedPictureFlag = 1;
    EXPECT_EQ(EqualizerFaceSlot(doc), pic::Picture1);  // combined, equalizer on top
    doc.setValue(ctl::EqUporDown, 1);
    EXPECT_EQ(EqualizerFaceSlot(doc), pic::Picture2);  // combined, equalizer below
    doc.setValue(ctl::chkSkinMode, 1);
    EXPECT_EQ(EqualizerFaceSlot(doc), pic::PreEQMainData);
    doc.select(ctl::OpEqMain2);
    EXPECT_EQ(EqualizerFaceSlot(doc), pic::PreEQMainData2);

    BuildEqualizerSheet(doc);
    EXPECT_EQ(doc.slot(pic::eqmain).at(200, 100), tagged(kPreEQMain2, 200, 100));
    EXPECT_EQ(sheet(200, 100), tagged(kPreEQMain2, 200, 100));
}

TEST_F(EqSheet, NoSlotCheckedGivesTheFaceAndItsCutsAtTheSpritePlaces) {
    BuildEqualizerSheet(doc);
    for (int y = 0; y < 116; ++y)
        for (int x = 0; x < 275; ++x) ASSERT_EQ(sheet(x, y), face(x, y)) << x << "," << y;
    for (int x = 0; x < 275; ++x) {
        EXPECT_EQ(sheet(x, 134), face(x, 0));  // active title bar
        EXPECT_EQ(sheet(x, 162), face(x, 13)); // inactive title bar, last row
    }
    EXPECT_EQ(sheet(0, 116), face(264, 3));   // small button
    EXPECT_EQ(sheet(8, 133), face(272, 11));  // pressed small button, last pixel
    for (int cellX : {10, 69, 128, 187}) {
        EXPECT_EQ(sheet(cellX, 119), face(14, 18));
        EXPECT_EQ(sheet(cellX + 58, 130), face(72, 29));
    }
    EXPECT_EQ(sheet(224, 164), face(217, 18));  // preset
    EXPECT_EQ(sheet(267, 187), face(260, 29));  // pressed preset, last pixel
    EXPECT_EQ(sheet(0, 294), face(86, 17));     // graph
    EXPECT_EQ(sheet(112, 312), face(198, 35));
    for (int x = 0; x < 113; ++x) EXPECT_EQ(sheet(x, 314), face(88 + x, 26));  // preamp line

    // Places no step writes keep what was there.
    EXPECT_EQ(sheet(100, 117), kUntouched);  // right of the small buttons
    EXPECT_EQ(sheet(100, 148), kUntouched);  // between the title bars
    EXPECT_EQ(sheet(115, 300), kUntouched);  // graph line colours
    EXPECT_EQ(sheet(113, 314), kUntouched);  // right of the preamp line
}

// ---- frame and layers ------------------------------------------------------------------------

class EqSheetLayers : public EqSheet {
protected:
    // Frame covers columns 0..99 in red, layer 1 columns 100..199 in green, layer 2 from 200 in blue.
    void SetUp() override {
        EqSheet::SetUp();
        setPart(1, RGB(200, 0, 0), [](int x, int) { return x < 100 ? kWhite : kBlack; });
        setPart(5, RGB(0, 200, 0), [](int x, int) { return x >= 100 && x < 200 ? kWhite : kBlack; });
        setPart(6, RGB(0, 0, 200), [](int x, int) { return x >= 200 ? kWhite : kBlack; });
        doc.setValue(ctl::EQFrameCheck, 1);
        doc.setValue(ctl::chkEQLayer1, 1);
        doc.setValue(ctl::chkEQLayer2, 1);
    }
    void useBitwise() {
        for (int slot : {1, 5, 6}) doc.select(ctl::optEQPelterra, slot);
    }
};

TEST_F(EqSheetLayers, AdditivePathAccumulatesOverTheChosenFace) {
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(50, 60), RGB(200, 0, 0));
    EXPECT_EQ(sheet(150, 60), RGB(0, 200, 0));
    EXPECT_EQ(sheet(250, 60), RGB(0, 0, 200));
    EXPECT_EQ(doc.slot(pic::eqmain).at(150, 60), RGB(0, 200, 0));
}

TEST_F(EqSheetLayers, AdditivePathWhitensTheRowsBelowTheFace) {
    BuildEqualizerSheet(doc);
    EXPECT_EQ(doc.slot(pic::eqmain).at(100, 117), kWhite);
    EXPECT_EQ(doc.slot(pic::eqmain).at(274, 162), kWhite);
    EXPECT_EQ(sheet(100, 117), kWhite);  // went to the sheet with the face
    EXPECT_EQ(sheet(100, 148), kWhite);
    EXPECT_EQ(sheet(50, 134), RGB(200, 0, 0));   // title bar cut of the layered face
    EXPECT_EQ(sheet(0, 116), RGB(0, 0, 200));    // small button from (264,3)
}

TEST_F(EqSheetLayers, BitwisePathShowsOnlyTheLastCheckedOverPreEQMainData) {
    useBitwise();
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(50, 60), tagged(kPreEQMain, 50, 60));
    EXPECT_EQ(sheet(150, 60), tagged(kPreEQMain, 150, 60));
    EXPECT_EQ(sheet(250, 60), RGB(0, 0, 200));
    EXPECT_EQ(doc.slot(pic::eqmain).at(150, 60), tagged(kPreEQMain, 150, 60));
    EXPECT_EQ(sheet(100, 117), kUntouched);  // only the face rows are written

    doc.setValue(ctl::chkEQLayer2, 0);
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(50, 60), tagged(kPreEQMain, 50, 60));
    EXPECT_EQ(sheet(150, 60), RGB(0, 200, 0));
    EXPECT_EQ(sheet(250, 60), tagged(kPreEQMain, 250, 60));
}

// ---- title bar, on/auto, preset, image ---------------------------------------------------------

TEST_F(EqSheet, PreampLineComesFromX88PlainAndAdditiveAndX86Bitwise) {
    // A black mask lets the face show through, so the part's own pixels never appear.
    setPart(3, RGB(9, 9, 9), black);
    doc.setValue(ctl::ImageCheck, 1);
    BuildEqualizerSheet(doc);
    for (int x = 0; x < 113; ++x) ASSERT_EQ(sheet(x, 314), face(88 + x, 26)) << x;
    EXPECT_EQ(sheet(113, 314), kUntouched);  // beyond the line only the clear part lies

    doc.select(ctl::optEQPelterra, 3);
    BuildEqualizerSheet(doc);
    for (int x = 0; x < 113; ++x) ASSERT_EQ(sheet(x, 314), face(86 + x, 26)) << x;
    for (int x = 113; x < 116; ++x) EXPECT_EQ(sheet(x, 314), face(86 + x, 37));  // rest of row 20
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 116; ++x) ASSERT_EQ(sheet(x, 294 + y), face(86 + x, 17 + y));
}

TEST_F(EqSheet, BitwiseTitleBarLeavesThePartMaskWhereNoBackgroundLies) {
    setPart(2, RGB(9, 9, 9), [](int, int y) { return y == 32 ? RGB(40, 50, 60) : kBlack; });
    doc.setValue(ctl::EQCheck, 1);
    doc.select(ctl::optEQPelterra, 2);
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(0, 116), face(264, 3));
    EXPECT_EQ(sheet(8, 133), face(272, 11));
    EXPECT_EQ(sheet(100, 134), face(100, 0));
    EXPECT_EQ(sheet(100, 162), face(100, 13));
    EXPECT_EQ(sheet(100, 117), kBlack);           // no background: the part's Mask
    EXPECT_EQ(sheet(100, 148), RGB(40, 50, 60));  // row 32 of the part
}

TEST_F(EqSheet, AdditiveTitleBarIsLaidOverThePlainCuts) {
    setPart(2, RGB(0, 0, 0), [](int x, int) { return x < 9 ? kBlack : RGB(0, 0, 255); });
    doc.setValue(ctl::EQCheck, 1);
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(0, 116), face(264, 3));  // black mask: the cut
    // Blue mask 255 with data 0: red and green keep the cut, blue becomes max(b-255,0)+0 = 0.
    EXPECT_EQ(sheet(100, 134), face(100, 0) & 0x00FFFFu);
    EXPECT_EQ(sheet(100, 117), kUntouched & 0x00FFFFu);  // over what the sheet held
}

TEST_F(EqSheet, OnAutoCellsReachColumn245OnlyInThePlainPath) {
    setPart(0, RGB(9, 9, 9), black);
    doc.setValue(ctl::OnAutoCheck, 1);
    doc.select(ctl::optEQPelterra, 0);
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(10, 119), face(14, 18));
    EXPECT_EQ(sheet(187, 130), face(14, 29));
    EXPECT_EQ(sheet(244, 119), face(14 + 57, 18));  // the last cell cut at the part's width
    EXPECT_EQ(sheet(245, 119), kUntouched);

    doc.setValue(ctl::OnAutoCheck, 0);
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(245, 119), face(14 + 58, 18));
}

TEST_F(EqSheet, BitwisePresetKeepsItsLastRowFromTheMask) {
    setPart(4, RGB(0, 0, 0), [](int x, int y) { return y == 24 ? RGB(x, 7, 7) : kBlack; });
    doc.setValue(ctl::PresetCheck, 1);
    doc.select(ctl::optEQPelterra, 4);
    BuildEqualizerSheet(doc);
    EXPECT_EQ(sheet(224, 164), face(217, 18));
    EXPECT_EQ(sheet(267, 187), face(260, 29));
    EXPECT_EQ(sheet(230, 188), RGB(6, 7, 7));
}

// ---- slider rows ----------------------------------------------------------------------------

TEST_F(EqSheet, PlainSliderDrawsTheGraphicAndItsBarInEveryCell) {
    BuildEqualizerSheet(doc);
    auto slider = [](int x, int y) { return tagged(kSlider, x, y); };
    EXPECT_EQ(sheet(0, 164), slider(0, 0));
    EXPECT_EQ(sheet(12, 223), slider(12, 59));
    for (int k = 0; k < 14; ++k) {
        EXPECT_EQ(sheet(13 + 15 * k, 164), slider(13, 0)) << k;
        EXPECT_EQ(sheet(26 + 15 * k, 291), slider(26, 62)) << k;
    }
    EXPECT_EQ(sheet(27, 170), slider(27, 6));    // gap between cells: the graphic itself
    EXPECT_EQ(sheet(100, 227), slider(100, 63)); // row between the two bar rows
    EXPECT_EQ(sheet(222, 170), kUntouched);      // right of the graphic
}

TEST_F(EqSheet, SliderOverBackColourPaintsBarsOverTheErasedBackColour) {
    // Bar image: rows 0..29 opaque orange, rows 30..62 clear (black Data, black Mask).
    const Colour orange = RGB(200, 100, 50), back = RGB(16, 32, 48);
    doc.assignSlot(pic::PreSliderData, -1, filled(222, 128, [&](int x, int y) {
                       return x < 13 ? tagged(kSlider, x, y) : (y < 30 ? orange : kBlack);
                   }));
    doc.assignSlot(pic::PreSliderMask, -1, filled(222, 128, [](int, int y) { return y < 30 ? kWhite : kBlack; }));
    doc.assignSlot(pic::EQSliderBackColor, -1, Bitmap(209, 130, back));
    doc.setValue(ctl::UseSliderBack, 1);
    BuildEqualizerSheet(doc);
    for (int k = 0; k < 14; ++k)
        for (int row : {164, 229}) {
            EXPECT_EQ(sheet(13 + 15 * k, row), orange) << k;
            EXPECT_EQ(sheet(26 + 15 * k, row + 29), orange) << k;
            EXPECT_EQ(sheet(13 + 15 * k, row + 30), back) << k;
            EXPECT_EQ(sheet(26 + 15 * k, row + 62), back) << k;
            if (k < 13) {
                EXPECT_EQ(sheet(27 + 15 * k, row), kWhite) << k;  // gap: the white default back
            }
        }
    EXPECT_EQ(sheet(222, 164), kUntouched);  // right of the back picture
    EXPECT_EQ(sheet(100, 227), kWhite);  // rows between the bar rows
    EXPECT_EQ(sheet(221, 293), kWhite);  // the last row of the back picture
    EXPECT_EQ(sheet(0, 164), tagged(kSlider, 0, 0));    // knob strip
    EXPECT_EQ(sheet(12, 223), tagged(kSlider, 12, 59));
    EXPECT_EQ(sheet(5, 224), kUntouched);                // below the knob strip
}

// ---- the file and the picture saved ----------------------------------------------------------

TEST(EqSheetFiles, DefaultSliderBackIsReadWhateverTheLetterCase) {
    pelterra::test_support::TempDir dir;
    std::filesystem::create_directories(dir / "partsdata/EQ/Slider");
    ASSERT_TRUE(SavePicture(Bitmap(209, 130, RGB(5, 6, 7)),
                            (dir / "partsdata/EQ/Slider/defaultbackwhite.BACK.bmp").string())
                    .ok());
    Document doc;
    ASSERT_TRUE(LoadDefaultSliderBack(doc, dir.path()).ok());
    EXPECT_EQ(doc.slot(pic::DefaultBackWhite).at(208, 129), RGB(5, 6, 7));
}

TEST(EqSheetFiles, MissingDefaultSliderBackNamesTheFileAndKeepsTheSlot) {
    pelterra::test_support::TempDir dir;
    std::filesystem::create_directories(dir / "PartsData/eq/slider");
    Document doc;
    const Status status = LoadDefaultSliderBack(doc, dir.path());
    ASSERT_FALSE(status.ok());
    EXPECT_NE(status.error().describe().find("DefaultBackWhite.back.bmp"), std::string::npos)
        << status.error().describe();
    EXPECT_EQ(doc.slot(pic::DefaultBackWhite).at(0, 0), kWhite);
}

TEST_F(EqSheet, SavedPictureIsTheWholeSheetOnlyWithEqSlider) {
    BuildEqualizerSheet(doc);
    doc.slot(pic::eqmain).fill(kBlack);
    const Bitmap& short_ = PrepareEqmainPicture(doc);
    EXPECT_EQ(&short_, &doc.slot(pic::eqmain));
    EXPECT_EQ(short_.height(), 163);
    EXPECT_EQ(short_.at(100, 150), face(100, 1));
    EXPECT_EQ(short_.at(0, 162), face(0, 13));

    doc.setValue(ctl::EQModeCheck, 1);
    const Bitmap& whole = PrepareEqmainPicture(doc);
    EXPECT_EQ(&whole, &doc.slot(pic::EQ));
    EXPECT_EQ(whole.height(), 315);
}

}  // namespace
