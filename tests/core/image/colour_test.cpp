#include <gtest/gtest.h>

#include "image/colour.h"

using namespace pelterra;

TEST(Colour, ChannelsSitInTheLowThreeBytes) {
    const Colour c = RGB(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x563412u);
    EXPECT_EQ(GetRed(c), 0x12);
    EXPECT_EQ(GetGreen(c), 0x34);
    EXPECT_EQ(GetBlue(c), 0x56);
}

TEST(Colour, AllBitsSetReadsAsWhite) {
    EXPECT_EQ(GetRed(kOutsideColour), 255);
    EXPECT_EQ(GetGreen(kOutsideColour), 255);
    EXPECT_EQ(GetBlue(kOutsideColour), 255);
}
