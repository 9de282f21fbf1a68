#include <gtest/gtest.h>

#include "image/drawing.h"

using namespace pelterra;

namespace {

// A w x h bitmap whose pixel (x, y) is RGB(x, y, 7): every pixel tells where it came from.
Bitmap coordinatePicture(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.at(x, y) = RGB(x, y, 7);
    return b;
}

}  // namespace

TEST(RasterOps, CodesAreTheGdiTernaryCodes) {
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SRCCOPY), 13369376u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SRCAND), 8913094u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SRCPAINT), 15597702u);
    EXPECT_EQ(static_cast<std::uint32_t>(RasterOp::SRCERASE), 4457256u);
}

TEST(RasterOps, EachOperationCombinesSourceAndDestinationBitByBit) {
    const Colour s = 0x00F0F00F, d = 0x00FF0F0F;
    EXPECT_EQ(applyRop(RasterOp::SRCCOPY, s, d), 0x00F0F00Fu);
    EXPECT_EQ(applyRop(RasterOp::SRCAND, s, d), 0x00F0000Fu);
    EXPECT_EQ(applyRop(RasterOp::SRCPAINT, s, d), 0x00FFFF0Fu);
    EXPECT_EQ(applyRop(RasterOp::SRCERASE, s, d), 0x0000F000u);
}

TEST(BitBlt, SrcEraseKeepsTheSourceWhereTheDestinationIsBlackAndBlacksOutWhite) {
    Bitmap dest(2, 1);
    dest.at(0, 0) = kBlack;
    dest.at(1, 0) = kWhite;
    const Bitmap src(2, 1, RGB(10, 200, 30));
    BitBlt(dest, 0, 0, 2, 1, src, 0, 0, RasterOp::SRCERASE);
    EXPECT_EQ(dest.at(0, 0), RGB(10, 200, 30));
    EXPECT_EQ(dest.at(1, 0), kBlack);
}

TEST(BitBlt, WritesOnlyInsideTheDestinationAndReadsOnlyInsideTheSource) {
    Bitmap dest(4, 4, kBlack);
    const Bitmap src = coordinatePicture(3, 3);
    BitBlt(dest, 2, -1, 5, 5, src, 0, 0, RasterOp::SRCCOPY);
    EXPECT_EQ(dest.at(2, 0), RGB(0, 1, 7));
    EXPECT_EQ(dest.at(3, 1), RGB(1, 2, 7));
    EXPECT_EQ(dest.at(3, 2), kBlack);  // source row 3 does not exist
    EXPECT_EQ(dest.at(1, 0), kBlack);
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsTheOldPixels) {
    Bitmap b = coordinatePicture(4, 1);
    BitBlt(b, 1, 0, 3, 1, b, 0, 0, RasterOp::SRCCOPY);
    EXPECT_EQ(b.at(1, 0), RGB(0, 0, 7));
    EXPECT_EQ(b.at(2, 0), RGB(1, 0, 7));
    EXPECT_EQ(b.at(3, 0), RGB(2, 0, 7));
}

TEST(PaintPicture, WholeSourceAtOneToOneWhenOnlyThePlaceIsGiven) {
    Bitmap dest(6, 6, kBlack);
    PaintPicture(dest, coordinatePicture(3, 2), 2, 3);
    EXPECT_EQ(dest.at(2, 3), RGB(0, 0, 7));
    EXPECT_EQ(dest.at(4, 4), RGB(2, 1, 7));
    EXPECT_EQ(dest.at(5, 4), kBlack);
    EXPECT_EQ(dest.at(2, 5), kBlack);
}

TEST(PaintPicture, GivenOnlyTheDestinationSizeScalesTheWholeSource) {
    Bitmap dest(4, 4, kBlack);
    PaintPicture(dest, coordinatePicture(2, 2), 0, 0, 4, 4);
    // Each source pixel covers a 2 x 2 block.
    EXPECT_EQ(dest.at(0, 0), RGB(0, 0, 7));
    EXPECT_EQ(dest.at(1, 1), RGB(0, 0, 7));
    EXPECT_EQ(dest.at(2, 1), RGB(1, 0, 7));
    EXPECT_EQ(dest.at(3, 3), RGB(1, 1, 7));
}

TEST(PaintPicture, GivenOnlyTheSourceRectangleCopiesItAtOneToOne) {
    Bitmap dest(5, 5, kBlack);
    PaintPicture(dest, coordinatePicture(8, 8), 1, 1, std::nullopt, std::nullopt, 4, 5, 2, 2);
    EXPECT_EQ(dest.at(1, 1), RGB(4, 5, 7));
    EXPECT_EQ(dest.at(2, 2), RGB(5, 6, 7));
    EXPECT_EQ(dest.at(3, 3), kBlack);
}

TEST(PaintPicture, ShrinkingPicksTheNearestSourcePixel) {
    Bitmap dest(3, 1, kBlack);
    PaintPicture(dest, coordinatePicture(9, 1), 0, 0, 3, 1);
    EXPECT_EQ(dest.at(0, 0), RGB(1, 0, 7));
    EXPECT_EQ(dest.at(1, 0), RGB(4, 0, 7));
    EXPECT_EQ(dest.at(2, 0), RGB(7, 0, 7));
}

TEST(PaintPicture, AppliesTheRasterOperation) {
    Bitmap dest(1, 1, RGB(0xF0, 0x0F, 0xFF));
    PaintPicture(dest, Bitmap(1, 1, RGB(0xFF, 0xFF, 0x0F)), 0, 0, std::nullopt, std::nullopt, std::nullopt,
                 std::nullopt, std::nullopt, std::nullopt, RasterOp::SRCAND);
    EXPECT_EQ(dest.at(0, 0), RGB(0xF0, 0x0F, 0x0F));
}

TEST(Pixels, GetPixelOutsideReadsAsWhiteAndSetPixelOutsideIsIgnored) {
    Bitmap b(2, 2, kBlack);
    EXPECT_EQ(GetPixel(b, 2, 0), kOutsideColour);
    EXPECT_EQ(GetPixel(b, -1, 1), kOutsideColour);
    EXPECT_EQ(GetRed(GetPixel(b, 5, 5)), 255);
    SetPixel(b, 2, 2, kWhite);
    SetPixel(b, 1, 1, RGB(9, 8, 7));
    EXPECT_EQ(b.at(1, 1), RGB(9, 8, 7));
    EXPECT_EQ(GetPixel(b, 1, 1), RGB(9, 8, 7));
}

TEST(LineDrawing, LineLeavesItsEndPointUnset) {
    Bitmap b(5, 5, kBlack);
    Line(b, 0, 0, 4, 0, kWhite);
    EXPECT_EQ(b.at(0, 0), kWhite);
    EXPECT_EQ(b.at(3, 0), kWhite);
    EXPECT_EQ(b.at(4, 0), kBlack);
    Line(b, 0, 1, 0, 4, kWhite);
    EXPECT_EQ(b.at(0, 3), kWhite);
    EXPECT_EQ(b.at(0, 4), kBlack);
}

TEST(LineDrawing, BoxIncludesBothCornersAndLeavesTheInsideAlone) {
    Bitmap b(5, 5, kBlack);
    Line(b, 3, 3, 1, 1, kWhite, LineForm::Box);
    EXPECT_EQ(b.at(1, 1), kWhite);
    EXPECT_EQ(b.at(3, 3), kWhite);
    EXPECT_EQ(b.at(3, 1), kWhite);
    EXPECT_EQ(b.at(2, 2), kBlack);
    EXPECT_EQ(b.at(4, 4), kBlack);
}

TEST(LineDrawing, FilledBoxFillsCornerToCornerInclusive) {
    Bitmap b(5, 5, kBlack);
    Line(b, 1, 1, 3, 2, kWhite, LineForm::FilledBox);
    int white = 0;
    for (Colour c : b.pixels()) white += c == kWhite;
    EXPECT_EQ(white, 6);
    EXPECT_EQ(b.at(3, 2), kWhite);
    EXPECT_EQ(b.at(3, 3), kBlack);
}

TEST(Assign, CutsOffBeyondTheSlotAndLeavesUncoveredAreaWhite) {
    Bitmap slot(3, 3, kBlack);
    assign(slot, coordinatePicture(2, 5));
    EXPECT_EQ(slot.width(), 3);
    EXPECT_EQ(slot.at(1, 2), RGB(1, 2, 7));
    EXPECT_EQ(slot.at(2, 0), kWhite);
}
