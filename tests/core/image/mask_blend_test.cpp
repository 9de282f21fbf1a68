#include <gtest/gtest.h>

#include <algorithm>

#include "image/mask_blend.h"
#include "image/recolor.h"
#include "image/stretch.h"

using namespace pelterra;

namespace {

struct Blend {
    Colour mask, data, background;
};

Colour bitwise(const Blend& b) {
    WorkBitmaps work;
    Bitmap dest(1, 1, b.background);
    MaskBlendBitwise(work, Bitmap(1, 1, b.data), Bitmap(1, 1, b.mask), dest, {0, 0});
    return dest.at(0, 0);
}

Colour additive(const Blend& b) {
    WorkBitmaps work;
    Bitmap dest(1, 1, b.background);
    LoadAdditiveWork(work, Bitmap(1, 1, b.data), Bitmap(1, 1, b.mask));
    MaskBlendAdditive(work, dest);
    return dest.at(0, 0);
}

}  // namespace

TEST(MixModes, WhiteMaskGivesTheDataAndBlackMaskTheBackgroundInBothModes) {
    const Colour data = RGB(200, 40, 90), back = RGB(10, 120, 250);
    EXPECT_EQ(bitwise({kWhite, data, back}), data);
    EXPECT_EQ(additive({kWhite, data, back}), data);
    EXPECT_EQ(bitwise({kBlack, data, back}), back);
    EXPECT_EQ(additive({kBlack, data, back}), back);
}

TEST(MixModes, GreyMaskGives228BitwiseAnd73Additive) {
    const Blend grey{RGB(128, 128, 128), RGB(200, 200, 200), RGB(100, 100, 100)};
    EXPECT_EQ(bitwise(grey), RGB(228, 228, 228));
    EXPECT_EQ(additive(grey), RGB(73, 73, 73));
}

TEST(MixModes, AdditiveClampsEachChannelOnItsOwn) {
    // red: back 255-0 + fore 0+255-255 -> 255; green: 0 + max(200+100-255, 0)=45; blue: 0.
    EXPECT_EQ(additive({RGB(0, 200, 0), RGB(255, 100, 0), RGB(255, 10, 0)}), RGB(255, 45, 0));
}

TEST(MaskBlendBitwise, ErasesOnlyTheGivenRectanglesAndLeavesTheMaskElsewhere) {
    WorkBitmaps work;
    Bitmap dest(6, 2, RGB(1, 2, 3));
    const Bitmap data(3, 2, RGB(100, 100, 100));
    const Bitmap mask(3, 2, kBlack);
    MaskBlendBitwise(work, data, mask, dest, {2, 0}, {Rect{0, 0, 3, 1}});
    EXPECT_EQ(dest.at(2, 0), RGB(1, 2, 3));  // background through the black mask
    EXPECT_EQ(dest.at(2, 1), kBlack);        // no rectangle covered: the mask itself
    EXPECT_EQ(dest.at(1, 0), RGB(1, 2, 3));  // outside the part
}

TEST(MaskBlendAdditive, RectangleFormReadsPixelsBeyondThePartAsWhite) {
    WorkBitmaps work;
    LoadAdditiveWork(work, Bitmap(1, 1, RGB(5, 5, 5)), Bitmap(1, 1, kBlack));
    Bitmap target(4, 4, RGB(50, 60, 70));
    MaskBlendAdditive(work, target, 1, 1, 2, 2);
    EXPECT_EQ(target.at(1, 1), RGB(50, 60, 70));  // black mask: background
    EXPECT_EQ(target.at(2, 1), kWhite);           // beyond the part: white data, white mask
    EXPECT_EQ(target.at(3, 3), RGB(50, 60, 70));  // outside the rectangle
    EXPECT_EQ(target.at(0, 0), RGB(50, 60, 70));
}

TEST(RecolorImage, ShiftClampsPerChannel) {
    const Bitmap source(2, 1, RGB(250, 10, 128));
    Bitmap target(2, 1, kBlack);
    RecolorImage(target, source, 10, -20, 0);
    EXPECT_EQ(target.at(0, 0), RGB(255, 0, 128));
    EXPECT_EQ(target.at(1, 0), RGB(255, 0, 128));
}

TEST(RecolorImage, ZeroShiftReproducesTheSourceAndExtremesSaturate) {
    Bitmap source(16, 16);
    for (int i = 0; i < 256; ++i) source.pixels()[i] = RGB(i, 255 - i, (i * 7) & 255);
    Bitmap target(16, 16, kBlack);
    RecolorImage(target, source, 0, 0, 0);
    EXPECT_EQ(target, source);
    RecolorImage(target, source, 0, -256, 256);
    for (Colour c : target.pixels()) {
        EXPECT_EQ(GetGreen(c), 0);
        EXPECT_EQ(GetBlue(c), 255);
    }
}

TEST(StretchToSlot, ScalesAnyPictureToExactlyTheSlot) {
    WorkBitmaps work;
    Bitmap picture(500, 500, RGB(3, 4, 5));
    picture.at(499, 499) = RGB(9, 9, 9);
    Bitmap slot(136, 36, kBlack);
    StretchToSlot(work, picture, slot);
    EXPECT_EQ(slot.width(), 136);
    EXPECT_EQ(slot.height(), 36);
    EXPECT_EQ(slot.at(0, 0), RGB(3, 4, 5));
    EXPECT_EQ(slot.at(135, 35), RGB(3, 4, 5));
    EXPECT_EQ(work.form3Picture1, picture);
}

TEST(MaskBlendAdditive, WholeRowsAgreeWithTheRuleForEveryChannelCombination) {
    // Random faces through the fast row path against the per-channel rule written out.
    std::uint32_t seed = 12345;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>(seed >> 24);
    };
    Bitmap data(37, 5), mask(37, 5), target(37, 5);
    for (int i = 0; i < 37 * 5; ++i) {
        data.pixels()[i] = RGB(next(), next(), next());
        mask.pixels()[i] = RGB(next(), next(), next());
        target.pixels()[i] = RGB(next(), next(), next());
    }
    const Bitmap before = target;
    WorkBitmaps work;
    LoadAdditiveWork(work, data, mask);
    MaskBlendAdditive(work, target);
    auto rule = [](int m, int d, int b) { return std::min(std::max(b - m, 0) + std::max(m + d - 255, 0), 255); };
    for (int i = 0; i < 37 * 5; ++i) {
        const Colour m = mask.pixels()[i], d = data.pixels()[i], b = before.pixels()[i];
        ASSERT_EQ(target.pixels()[i], RGB(rule(GetRed(m), GetRed(d), GetRed(b)), rule(GetGreen(m), GetGreen(d), GetGreen(b)),
                                          rule(GetBlue(m), GetBlue(d), GetBlue(b))))
            << "pixel " << i;
    }
}
