#include <gtest/gtest.h>

#include "core/equalizer/eq_test_pictures.h"
#include "parts/easy_import.h"
#include "support/temp_dir.h"

using namespace pelterra;
using namespace pelterra::test_support;

namespace {

// A picture laid out like eqmain.bmp, every pixel carrying its coordinates.
Bitmap eqmainPicture() { return coordinatePicture(275, 315); }

Colour from(int x, int y) { return static_cast<Colour>((y << 12) | x); }

}  // namespace

TEST(EasyImport, TitleBarAloneChangesOnlyPicEQData2InItsTwoRectangles) {
    Document doc;
    ASSERT_TRUE(PutEasyPicture(doc, eqmainPicture()).ok());
    doc.slot(pic::picEQData, 2).fill(RGB(1, 2, 3));
    doc.setValue(ctl::EasyEQCheck, 1);
    const auto before = snapshotSlots(doc);
    EasyImport(doc);
    EXPECT_EQ(changedSlots(before, snapshotSlots(doc)), (std::vector<std::string>{"picEQData(2)"}));

    const Bitmap& bar = doc.slot(pic::picEQData, 2);
    for (int y = 0; y < 47; ++y) {
        for (int x = 0; x < 275; ++x) {
            Colour expected = RGB(1, 2, 3);
            if (y >= 18) expected = from(x, 134 + y - 18);   // both title bars from (0,134)
            else if (x < 9) expected = from(x, 116 + y);     // button states from (0,116)
            ASSERT_EQ(bar.at(x, y), expected) << "at " << x << "," << y;
        }
    }
}

TEST(EasyImport, NoBoxCheckedChangesNothing) {
    Document doc;
    ASSERT_TRUE(PutEasyPicture(doc, eqmainPicture()).ok());
    const auto before = snapshotSlots(doc);
    EasyImport(doc);
    EXPECT_TRUE(changedSlots(before, snapshotSlots(doc)).empty());
}

TEST(EasyImport, EveryBoxFillsItsSlotFromTheEqualizerLayout) {
    Document doc;
    ASSERT_TRUE(PutEasyPicture(doc, eqmainPicture()).ok());
    for (ControlName box : {ctl::EasyEQMainCheck, ctl::EasySliderCheck, ctl::EasyOnAutoCheck, ctl::EasyPresetCheck,
                            ctl::EasyImageCheck, ctl::EasyEQCheck})
        doc.setValue(box, 1);
    const auto before = snapshotSlots(doc);
    EasyImport(doc);
    EXPECT_EQ(changedSlots(before, snapshotSlots(doc)),
              (std::vector<std::string>{"PreEQMainData2", "PreSliderData", "picEQData(0)", "picEQData(2)",
                                        "picEQData(3)", "picEQData(4)"}));
    EXPECT_EQ(doc.slot(pic::PreEQMainData2), coordinateBand(275, 0, 116));
    EXPECT_EQ(doc.slot(pic::PreSliderData).at(0, 0), from(0, 164));
    EXPECT_EQ(doc.slot(pic::PreSliderData).at(221, 127), from(221, 291));
    EXPECT_EQ(doc.slot(pic::picEQData, 0).at(0, 0), from(10, 119));
    EXPECT_EQ(doc.slot(pic::picEQData, 0).at(234, 11), from(244, 130));
    EXPECT_EQ(doc.slot(pic::picEQData, 3).at(115, 20), from(115, 314));
    EXPECT_EQ(doc.slot(pic::picEQData, 4).at(43, 23), from(267, 187));
    EXPECT_EQ(doc.slot(pic::picEQData, 4).at(0, 24), kWhite);  // 24 rows are copied into a 25-row slot
}

TEST(EasyImport, PictureSmallerThanARectangleGivesOnlyWhatItHolds) {
    Document doc;
    ASSERT_TRUE(PutEasyPicture(doc, coordinatePicture(100, 140)).ok());
    doc.slot(pic::picEQData, 2).fill(RGB(1, 2, 3));
    doc.setValue(ctl::EasyEQCheck, 1);
    EasyImport(doc);
    const Bitmap& bar = doc.slot(pic::picEQData, 2);
    EXPECT_EQ(bar.at(99, 18), from(99, 134));
    EXPECT_EQ(bar.at(100, 18), RGB(1, 2, 3));
    EXPECT_EQ(bar.at(0, 24), RGB(1, 2, 3));  // source row 140 lies beyond the picture
}

TEST(EasyImport, BeforeAnyPictureNothingIsCopied) {
    Document doc;
    doc.setValue(ctl::EasyEQMainCheck, 1);
    doc.assignSlot(pic::PreEQMainData2, -1, Bitmap(275, 116, RGB(4, 5, 6)));
    EasyImport(doc);
    EXPECT_EQ(doc.slot(pic::PreEQMainData2), Bitmap(275, 116, RGB(4, 5, 6)));
}

TEST(EasyPicture, ComboChoiceLoadsThePictureAtItsOwnSize) {
    TempDir dir;
    writePicture(dir / "PartsData/eq/Sample.bmp", coordinatePicture(300, 320));
    Document doc;
    doc.setListEntries(ctl::EasyCombo, -1, {"sample"}, 1);
    ASSERT_TRUE(ChooseEasyPicture(doc, dir.path()).ok());
    EXPECT_EQ(doc.slot(pic::PreEasyData), coordinatePicture(300, 320));
    EXPECT_EQ(doc.slot(pic::PreEasyImage), coordinatePicture(300, 320));
}

TEST(EasyPicture, MissingFileEmptyClipboardAndCancelledDialogChangeNothing) {
    TempDir dir;
    Document doc;
    ASSERT_TRUE(PutEasyPicture(doc, coordinatePicture(5, 5)).ok());
    doc.setListEntries(ctl::EasyCombo, -1, {"gone"}, 1);
    const Status missing = ChooseEasyPicture(doc, dir.path());
    ASSERT_FALSE(missing.ok());
    EXPECT_NE(missing.error().describe().find("gone.bmp"), std::string::npos);
    EXPECT_FALSE(PasteEasyPicture(doc, std::nullopt).ok());
    EXPECT_TRUE(LoadEasyPictureFile(doc, "").ok());
    EXPECT_FALSE(LoadEasyPictureFile(doc, (dir / "nothing.bmp").string()).ok());
    EXPECT_EQ(doc.slot(pic::PreEasyData), coordinatePicture(5, 5));
    EXPECT_EQ(doc.slot(pic::PreEasyImage), coordinatePicture(5, 5));
}
