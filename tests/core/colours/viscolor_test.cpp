#include <gtest/gtest.h>

#include "colours/ramp.h"
#include "colours/viscolor.h"
#include "output/text_file.h"

using namespace pelterra;

TEST(Ramp, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(roundHalfEven(62.5), 62);
    EXPECT_EQ(roundHalfEven(63.5), 64);
    EXPECT_EQ(roundHalfEven(63.75), 64);
    EXPECT_EQ(roundHalfEven(-64.0), -64);
    EXPECT_EQ(roundHalfEven(-62.5), -62);
    EXPECT_EQ(roundHalfEven(-0.4), 0);
}

TEST(Ramp, TheLastColourFollowsTheRoundedStep) {
    EXPECT_EQ(ColourRamp(RGB(0, 0, 0), RGB(255, 0, 0), 16).back(), RGB(255, 0, 0));
    EXPECT_EQ(ColourRamp(RGB(0, 0, 0), RGB(255, 0, 0), 5).back(), RGB(255, 0, 0));  // 256 clamped
    EXPECT_EQ(ColourRamp(RGB(0, 0, 0), RGB(250, 0, 0), 5).back(), RGB(248, 0, 0));
}

TEST(InterpolateSwatches, RedToBlueOverFiveSwatchesClampsTheEnds) {
    Document doc;
    doc.setSwatch(ctl::ViscolorOsc, 0, RGB(255, 0, 0));
    doc.setSwatch(ctl::ViscolorOsc, 4, RGB(0, 0, 255));
    InterpolateSwatches(doc, ctl::ViscolorOsc, 5);
    const Colour expected[] = {RGB(255, 0, 0), RGB(191, 0, 64), RGB(127, 0, 128), RGB(63, 0, 192), RGB(0, 0, 255)};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(doc.swatch(ctl::ViscolorOsc, i), expected[i]) << i;
}

TEST(InterpolateSwatches, EqualEndsPaintTheWholeRow) {
    Document doc;
    doc.setSwatch(ctl::ViscolorSpec, 0, RGB(10, 20, 30));
    doc.setSwatch(ctl::ViscolorSpec, 7, RGB(99, 99, 99));
    doc.setSwatch(ctl::ViscolorSpec, 15, RGB(10, 20, 30));
    InterpolateSwatches(doc, ctl::ViscolorSpec, 16);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(doc.swatch(ctl::ViscolorSpec, i), RGB(10, 20, 30));
}

TEST(Viscolor, FileHasTwentyFourLinesInSwatchOrder) {
    Document doc;
    doc.setSwatch(ctl::ViscolorBack, 1, RGB(24, 33, 41));
    doc.setSwatch(ctl::ViscolorSpec, 15, RGB(1, 2, 3));
    doc.setSwatch(ctl::ViscolorOsc, 0, RGB(4, 5, 6));
    doc.setSwatch(ctl::ViscolorPeak, -1, RGB(255, 255, 255));
    const auto lines = ViscolorLines(doc);
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[0], "0,0, 0 ");
    EXPECT_EQ(lines[1], "24,33, 41 ");
    EXPECT_EQ(lines[17], "1,2, 3 ");
    EXPECT_EQ(lines[18], "4,5, 6 ");
    EXPECT_EQ(lines[23], "255,255, 255 ");
    EXPECT_EQ(*TextFileBytes({lines[0]}), std::string("0,0, 0 \r\n"));  // the 9 bytes of black
}
