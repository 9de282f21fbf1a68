#include <gtest/gtest.h>

#include "colours/glyph_colours.h"

using namespace pelterra;

namespace {

class GlyphColours : public ::testing::Test {
protected:
    Document doc;
};

TEST_F(GlyphColours, NumberRampFromRedToBlue) {
    doc.setSwatch(ctl::NumberColor, 0, RGB(255, 0, 0));
    doc.setSwatch(ctl::NumberColor, 14, RGB(0, 0, 255));
    InterpolateNumberColours(doc);
    EXPECT_EQ(doc.swatch(ctl::NumberColor, 1), RGB(237, 0, 18));
    EXPECT_EQ(doc.swatch(ctl::NumberColor, 12), RGB(39, 0, 216));
    EXPECT_EQ(doc.swatch(ctl::NumberColor, 14), RGB(3, 0, 252));

    doc.assignSlot(pic::picMask, 7, Bitmap(117, 21, kWhite));
    ColourNumberGlyphs(doc);
    const Bitmap& data = doc.slot(pic::picData, 7);
    EXPECT_EQ(data.at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(data.at(107, 12), RGB(39, 0, 216));
}

TEST_F(GlyphColours, WhiteSwatchesOnAWhiteMaskReproduceTheMask) {
    for (int i = 0; i < kNumberSwatches; ++i) doc.setSwatch(ctl::NumberColor, i, kWhite);
    for (int i = 0; i < kTextSwatches; ++i) doc.setSwatch(ctl::PicText, i, kWhite);
    Bitmap numberMask(117, 21, kWhite), textMask(155, 18, kWhite);
    numberMask.at(3, 4) = kBlack;
    numberMask.at(50, 12) = RGB(0x80, 0x40, 0x20);
    textMask.at(10, 17) = kBlack;
    doc.assignSlot(pic::picMask, 7, numberMask);
    doc.assignSlot(pic::picMask, 8, textMask);
    ColourNumberGlyphs(doc);
    ColourTextGlyphs(doc);
    Bitmap expectedNumbers(108, 13);
    assign(expectedNumbers, numberMask);
    EXPECT_EQ(doc.slot(pic::picData, 7), expectedNumbers);
    EXPECT_EQ(doc.slot(pic::picData, 8), textMask);
}

TEST_F(GlyphColours, GreyMaskPixelsGiveTheBitwiseAnd) {
    doc.setSwatch(ctl::NumberColor, 3, RGB(0xF0, 0x0F, 0xFF));
    Bitmap mask(117, 21, kWhite);
    mask.at(20, 3) = RGB(0x80, 0x80, 0x80);
    doc.assignSlot(pic::picMask, 7, mask);
    ColourNumberGlyphs(doc);
    EXPECT_EQ(doc.slot(pic::picData, 7).at(20, 3), RGB(0x80, 0x00, 0x80));
    EXPECT_EQ(doc.slot(pic::picData, 7).at(21, 3), RGB(0xF0, 0x0F, 0xFF));
}

TEST_F(GlyphColours, NumberSwatch14OnlyEndsTheRamp) {
    for (int i = 0; i < kNumberSwatches; ++i) doc.setSwatch(ctl::NumberColor, i, RGB(i, 0, 0));
    doc.setSwatch(ctl::NumberColor, 14, RGB(0, 200, 0));
    doc.assignSlot(pic::picMask, 7, Bitmap(117, 21, kWhite));
    ColourNumberGlyphs(doc);
    for (int y = 0; y < 13; ++y) EXPECT_EQ(doc.slot(pic::picData, 7).at(5, y), RGB(y, 0, 0)) << y;
    EXPECT_EQ(doc.slot(pic::PreNumberMask).at(5, 13), RGB(13, 0, 0));
}

TEST_F(GlyphColours, TextBandsRepeatTheSixColoursAndTheLastColumnKeepsTheWorkPixel) {
    for (int i = 0; i < kTextSwatches; ++i) doc.setSwatch(ctl::PicText, i, RGB(10 * i, 1, 0));
    doc.slot(pic::PreTextMask).fill(RGB(0x0F, 0xFF, 0xFF));
    doc.assignSlot(pic::picMask, 8, Bitmap(155, 18, RGB(0xFF, 0xFF, 0xF0)));
    ColourTextGlyphs(doc);
    const Bitmap& data = doc.slot(pic::picData, 8);
    for (int band = 0; band < 3; ++band)
        for (int i = 0; i < 6; ++i) EXPECT_EQ(data.at(153, 6 * band + i), RGB(10 * i, 1, 0));
    EXPECT_EQ(data.at(154, 0), RGB(0x0F, 0xFF, 0xF0));
}

TEST_F(GlyphColours, TextRampRunsOverSixSwatches) {
    doc.setSwatch(ctl::PicText, 0, RGB(0, 0, 0));
    doc.setSwatch(ctl::PicText, 5, RGB(255, 255, 255));
    InterpolateTextColours(doc);
    EXPECT_EQ(doc.swatch(ctl::PicText, 1), RGB(51, 51, 51));
    EXPECT_EQ(doc.swatch(ctl::PicText, 5), RGB(255, 255, 255));
}

}  // namespace
