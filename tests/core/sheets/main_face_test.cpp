#include <gtest/gtest.h>

#include "sheets/main_face.h"
#include "sheets/main_window_sheets.h"
#include "sheets/system_images.h"
#include "build_fixture.h"
#include "image/drawing.h"

using namespace pelterra;
using namespace pelterra::build_test;

namespace {

class MainFace : public ::testing::Test {
protected:
    void SetUp() override {
        prepareDocument(doc);
        auto loaded = LoadSystemImages(folder.path());
        ASSERT_TRUE(loaded.ok()) << loaded.error().describe();
        system = *loaded;
    }
    void build() {
        SelectBaseImages(doc);
        BuildMainWindowSheets(doc, system);
    }

    ProgramFolder folder;
    SystemImages system;
    Document doc;
};

TEST_F(MainFace, BaseBandsFollowEqTooFlagAndEqBelow) {
    struct Case {
        int eqToo, flag, eqBelow;
        SlotName main;
        SlotName backdrop;
    };
    const Case cases[] = {
        {1, 0, 1, pic::Picture1, pic::Picture1}, {1, 1, 1, pic::Picture1, pic::Picture1},
        {1, 0, 0, pic::Picture1, pic::Picture2}, {1, 1, 0, pic::Picture1, pic::Picture2},
        {0, 0, 0, pic::Picture1, pic::Picture1}, {0, 0, 1, pic::Picture1, pic::Picture1},
        {0, 1, 1, pic::Picture1, pic::Picture1}, {0, 1, 0, pic::Picture2, pic::Picture2},
    };
    for (const Case& c : cases) {
        doc.setValue(ctl::chkSkinMode, c.eqToo);
        doc.combinedPictureFlag = c.flag;
        doc.setValue(ctl::EqUporDown, c.eqBelow);
        SelectBaseImages(doc);
        SCOPED_TRACE(testing::Message() << c.eqToo << c.flag << c.eqBelow);
        EXPECT_EQ(doc.slot(pic::Main), doc.slot(c.main));
        EXPECT_EQ(doc.slot(pic::Picture3), doc.slot(c.backdrop));
    }
}

TEST_F(MainFace, WithNoLayerCheckedMainIsExactlyTheBaseBand) {
    doc.combinedPictureFlag = 1;  // a combined picture with the equalizer on top: Picture2
    build();
    EXPECT_EQ(doc.slot(pic::Main), doc.slot(pic::Picture2));
    EXPECT_EQ(doc.slot(pic::Picture3), doc.slot(pic::Picture2));
}

TEST_F(MainFace, EqTooWithEqAboveStartsMainFromPicture1AndBackdropFromPicture2) {
    doc.setValue(ctl::chkSkinMode, 1);
    build();
    EXPECT_EQ(doc.slot(pic::Main), doc.slot(pic::Picture1));
    EXPECT_EQ(doc.slot(pic::Picture3), doc.slot(pic::Picture2));
    // The button sheets are cut from the backdrop, not from Main.
    EXPECT_EQ(doc.slot(pic::cbuttons).at(0, 0), doc.slot(pic::Picture2).at(16, 88));

    // One layer makes the backdrop follow Main again.
    doc.setValue(ctl::chkLayer1, 1);
    doc.assignSlot(pic::picMask, 9, Bitmap(275, 116, kBlack));
    build();
    EXPECT_EQ(doc.slot(pic::Main), doc.slot(pic::Picture1));
    EXPECT_EQ(doc.slot(pic::Picture3), doc.slot(pic::Picture1));
}

TEST_F(MainFace, WhiteMasksShowTheLastLayerInBothMixModes) {
    const Bitmap white(275, 116, kWhite);
    for (int part : {6, 9, 10}) {
        doc.assignSlot(pic::picData, part, distinctPicture(275, 116, 10 + part));
        doc.assignSlot(pic::picMask, part, white);
    }
    doc.setValue(ctl::FrameCheck, 1);
    doc.setValue(ctl::chkLayer1, 1);
    doc.setValue(ctl::chkLayer2, 1);
    for (bool bitwise : {true, false}) {
        for (int row : {5, 6, 7}) doc.select(bitwise ? ctl::optPelterra : ctl::optSeken, row);
        build();
        SCOPED_TRACE(bitwise ? "Pelterra標準" : "世間の標準");
        EXPECT_EQ(doc.slot(pic::Main), doc.slot(pic::picData, 10));
        EXPECT_EQ(doc.slot(pic::Picture3), doc.slot(pic::picData, 10));
    }
}

TEST_F(MainFace, LayersAccumulateWhereLaterMasksAreBlack) {
    // Frame white on the left half, layer 2 white on the top half; layer 1 unchecked.
    Bitmap frameMask(275, 116, kBlack), layerMask(275, 116, kBlack);
    Line(frameMask, 0, 0, 137, 115, kWhite, LineForm::FilledBox);
    Line(layerMask, 0, 0, 274, 57, kWhite, LineForm::FilledBox);
    doc.assignSlot(pic::picData, 6, Bitmap(275, 116, RGB(10, 20, 30)));
    doc.assignSlot(pic::picMask, 6, frameMask);
    doc.assignSlot(pic::picData, 10, Bitmap(275, 116, RGB(40, 50, 60)));
    doc.assignSlot(pic::picMask, 10, layerMask);
    doc.assignSlot(pic::picData, 9, Bitmap(275, 116, RGB(1, 1, 1)));
    doc.assignSlot(pic::picMask, 9, Bitmap(275, 116, kWhite));
    doc.setValue(ctl::FrameCheck, 1);
    doc.setValue(ctl::chkLayer2, 1);
    doc.select(ctl::optPelterra, 5);  // frame bitwise, layer 2 additive
    build();
    const Bitmap& face = doc.slot(pic::Main);
    EXPECT_EQ(face.at(10, 100), RGB(10, 20, 30));                  // frame only
    EXPECT_EQ(face.at(200, 100), doc.slot(pic::Picture1).at(200, 100));  // neither
    EXPECT_EQ(face.at(10, 10), RGB(40, 50, 60));                   // layer 2 over the frame
    EXPECT_EQ(face.at(200, 10), RGB(40, 50, 60));
}

TEST_F(MainFace, NumberSheetIsThePartWithoutPartialTransparency) {
    Bitmap glyphs = distinctPicture(108, 13, 7);
    glyphs.at(100, 5) = kBlack;
    doc.assignSlot(pic::picData, 7, glyphs);
    build();
    EXPECT_EQ(doc.slot(pic::number), glyphs);
}

TEST_F(MainFace, PartialTransparencyShowsTheFaceThroughPureBlackOfTheLastCell) {
    Bitmap glyphs = distinctPicture(108, 13, 7);
    glyphs.at(100, 5) = kBlack;
    glyphs.at(101, 5) = RGB(1, 0, 0);
    glyphs.at(99, 12) = kBlack;
    glyphs.at(98, 5) = kBlack;  // cell 10 is replaced whole, black or not
    doc.assignSlot(pic::picData, 7, glyphs);
    doc.setValue(ctl::chkNumberParency, 1);
    build();
    const Bitmap& number = doc.slot(pic::number);
    const Bitmap& face = doc.slot(pic::Main);
    EXPECT_EQ(number.at(100, 5), face.at(37, 31));
    EXPECT_EQ(number.at(99, 12), face.at(36, 38));
    EXPECT_EQ(number.at(101, 5), RGB(1, 0, 0));
    EXPECT_EQ(number.at(102, 5), glyphs.at(102, 5));
    for (int y = 0; y < 13; ++y)
        for (int x = 0; x < 9; ++x) ASSERT_EQ(number.at(90 + x, y), face.at(36 + x, 26 + y)) << x << "," << y;
    EXPECT_EQ(number.at(89, 5), glyphs.at(89, 5));
}

}  // namespace
