#include <gtest/gtest.h>

#include "generators/slider_maker.h"
#include "parts/colour_change.h"

using namespace pelterra;

namespace {

constexpr Colour kGrey = RGB(128, 128, 128);
constexpr Colour kFrame = RGB(200, 0, 100);
constexpr Colour kBefore = RGB(1, 2, 3);

class SliderMaker : public ::testing::Test {
protected:
    void SetUp() override {
        doc.setSwatch(ctl::LblSliderDataHi, -1, kWhite);
        doc.setSwatch(ctl::LblSliderDataShadow, -1, kBlack);
        doc.setSwatch(ctl::LblSliderDataTop, -1, kGrey);
        doc.setSwatch(ctl::LblSliderDataFrame, -1, kFrame);
        doc.setSwatch(ctl::LblSliderMaskHi, -1, RGB(0, 0, 1));
        doc.setSwatch(ctl::LblSliderMaskShadow, -1, RGB(0, 0, 2));
        doc.setSwatch(ctl::LblSliderMaskTop, -1, RGB(0, 0, 3));
        doc.setSwatch(ctl::LblSliderMaskFrame, -1, RGB(0, 0, 4));
        doc.slot(slider_maker::kData).fill(kBefore);
        doc.slot(slider_maker::kMask).fill(kBefore);
    }
    const Bitmap& data() const { return doc.slot(slider_maker::kData); }
    const Bitmap& mask() const { return doc.slot(slider_maker::kMask); }

    Document doc;
};

TEST_F(SliderMaker, NoFrameCellOneIsARaisedBevel) {
    doc.select(ctl::OpSliderOff);
    SliderColorChange(doc);
    for (int x = 0; x <= 27; ++x) EXPECT_EQ(data().at(x, 0), kWhite) << x;
    EXPECT_EQ(data().at(28, 0), kBlack);
    for (int y = 0; y <= 8; ++y) EXPECT_EQ(data().at(0, y), kWhite) << y;
    EXPECT_EQ(data().at(0, 9), kBlack);
    EXPECT_EQ(data().at(28, 9), kBlack);
    for (int y = 1; y <= 8; ++y)
        for (int x = 1; x <= 27; ++x) ASSERT_EQ(data().at(x, y), kGrey) << x << "," << y;
    // The Mask picture has its own colours; the frame colour is not used in this style.
    EXPECT_EQ(mask().at(0, 0), RGB(0, 0, 1));
    EXPECT_EQ(mask().at(28, 9), RGB(0, 0, 2));
    EXPECT_EQ(mask().at(5, 5), RGB(0, 0, 3));
}

TEST_F(SliderMaker, FramedDataLeavesTheInnerCornerOfFourCellsUndrawn) {
    doc.select(ctl::OpSliderOn);
    SliderColorChange(doc);
    // Outline of cell 1 in the frame colour.
    EXPECT_EQ(data().at(0, 0), kFrame);
    EXPECT_EQ(data().at(28, 0), kFrame);
    EXPECT_EQ(data().at(0, 9), kFrame);
    EXPECT_EQ(data().at(28, 9), kFrame);
    EXPECT_EQ(data().at(1, 1), kWhite);
    EXPECT_EQ(data().at(27, 1), kBlack);
    EXPECT_EQ(data().at(26, 8), kBlack);
    EXPECT_EQ(data().at(2, 2), kGrey);
    for (Point p : {Point{27, 8}, Point{57, 8}, Point{27, 20}, Point{57, 20}})
        EXPECT_EQ(data().at(p.x, p.y), kBefore) << p.x << "," << p.y;
    // Cells 3 and 4 follow the formula: their inner corner is shadow.
    EXPECT_EQ(data().at(12, 20), kBlack);
    EXPECT_EQ(data().at(42, 20), kBlack);
    // On the Mask picture the corner is drawn, and cell 3's longer line is covered by the outline.
    EXPECT_EQ(mask().at(27, 8), RGB(0, 0, 2));
    EXPECT_EQ(mask().at(57, 20), RGB(0, 0, 2));
    EXPECT_EQ(mask().at(13, 20), RGB(0, 0, 4));
    EXPECT_EQ(mask().at(12, 20), RGB(0, 0, 2));
}

TEST_F(SliderMaker, PixelsBetweenTheCellsAreNeverDrawn) {
    for (bool framed : {false, true}) {
        doc.select(framed ? ctl::OpSliderOn : ctl::OpSliderOff);
        SliderColorChange(doc);
        for (int y = 0; y <= 9; ++y) EXPECT_EQ(data().at(29, y), kBefore);
        for (int x = 0; x <= 58; ++x) EXPECT_EQ(mask().at(x, 10), kBefore);
        for (int y = 11; y <= 21; ++y)
            for (int x : {14, 29, 44}) EXPECT_EQ(data().at(x, y), kBefore) << x << "," << y;
    }
}

TEST_F(SliderMaker, ApplyHandsBothPicturesToTheSliderPosition) {
    SliderColorChange(doc);
    ApplySlider(doc);
    EXPECT_EQ(doc.slot(pic::picData, 4), data());
    EXPECT_EQ(doc.slot(pic::picMask, 4), mask());
}

TEST_F(SliderMaker, AColourChangeAfterApplyShiftsTheMadeSliderNotTheLibraryPart) {
    doc.assignSlot(pic::picData, 15, Bitmap(59, 22, RGB(9, 9, 9)));  // the library part's copy
    SliderColorChange(doc);
    ApplySlider(doc);
    ASSERT_TRUE(ColorChange(doc, 4).ok());  // bars at 0: no shift
    EXPECT_EQ(doc.slot(pic::picData, 4), data());
}

}  // namespace
