#include <gtest/gtest.h>

#include "equalizer/eq_parts.h"
#include "generators/back_base_maker.h"
#include "image/drawing.h"

using namespace pelterra;

namespace {

class BackBaseMaker : public ::testing::Test {
protected:
    void setColours(Colour top, Colour middle, Colour bottom) {
        doc.setSwatch(ctl::lblcolor, 0, top);
        doc.setSwatch(ctl::lblcolor, 1, middle);
        doc.setSwatch(ctl::lblcolor, 2, bottom);
    }
    const Bitmap& strip() const { return doc.slot(back_base_maker::kStrip); }
    const Bitmap& sheet() const { return doc.slot(back_base_maker::kSheet); }
    // Cell (row a, column i) of the sheet.
    Bitmap cell(int a, int i) const {
        Bitmap c(14, 64);
        BitBlt(c, 0, 0, 14, 64, sheet(), 15 * i, 66 * a, RasterOp::SRCCOPY);
        return c;
    }

    Document doc;
};

TEST_F(BackBaseMaker, ThreeColourStripOverwritesRow59WithTheMiddleColour) {
    setColours(RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 128, 0));
    MakeSBase(doc);
    EXPECT_EQ(strip().at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(strip().at(12, 58), RGB(255, 232, 0));  // green step 4
    EXPECT_EQ(strip().at(0, 59), RGB(255, 255, 0));   // not 236: the second segment wins
    EXPECT_EQ(strip().at(12, 118), RGB(19, 137, 0));
    EXPECT_EQ(strip().at(13, 0), kWhite);              // column 13 is never drawn
}

TEST_F(BackBaseMaker, SheetCellsShowTheStripTwoRowsLowerEachColumn) {
    setColours(RGB(0, 0, 0), RGB(0, 59, 0), RGB(0, 118, 0));  // green step 1: row y is green y
    MakeBackColor(doc);
    EXPECT_EQ(cell(1, 0), cell(0, 12));  // both start at strip row 24
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(sheet().at(15 * i, 0), RGB(0, 2 * i, 0)) << i;
        EXPECT_EQ(sheet().at(15 * i + 12, 63), RGB(0, 2 * i + 63, 0)) << i;
        EXPECT_EQ(sheet().at(15 * i + 13, 10), kWhite) << i;  // the strip's undrawn column
        EXPECT_EQ(sheet().at(15 * i, 66 + 63), RGB(0, 24 + 2 * i + 63, 0)) << i;
    }
    EXPECT_EQ(sheet().at(14, 0), kWhite);  // between the cells
    EXPECT_EQ(sheet().at(0, 64), kWhite);
}

TEST_F(BackBaseMaker, EqualColoursGiveAUniformSheet) {
    setColours(RGB(7, 8, 9), RGB(7, 8, 9), RGB(7, 8, 9));
    MakeBackColor(doc);
    for (int a = 0; a < 2; ++a)
        for (int i = 0; i < 14; ++i) {
            Bitmap expected(14, 64, RGB(7, 8, 9));
            for (int y = 0; y < 64; ++y) expected.at(13, y) = kWhite;
            EXPECT_EQ(cell(a, i), expected);
        }
}

TEST_F(BackBaseMaker, ApplyHandsTheSheetToTheEqualizer) {
    setColours(RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255));
    MakeBackColor(doc);
    ApplyBackColor(doc);
    EXPECT_EQ(doc.slot(pic::EQSliderBackColor), sheet());
}

}  // namespace
