#include <gtest/gtest.h>

#include "image/blit.h"

using namespace pelterra;

namespace {

// A picture whose every pixel is distinct: red = x, green = y.
Bitmap coordinates(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) b.at(x, y) = RGB(x, y, 0);
    return b;
}

}  // namespace

TEST(Blit, CopiesTheSourceRectangleToTheDestinationPointMovedByTheOffset) {
    const Bitmap source = coordinates(8, 8);
    Bitmap target(10, 10, kBlack);
    PaintBlit(target, source, {{2, 3, 2, 1}, {5, 6}}, RasterOp::SRCCOPY, {1, 1});
    EXPECT_EQ(target.at(6, 7), RGB(2, 3, 0));
    EXPECT_EQ(target.at(7, 7), RGB(3, 3, 0));
    EXPECT_EQ(target.at(5, 6), kBlack);
    EXPECT_EQ(target.at(8, 7), kBlack);
    EXPECT_EQ(target.at(6, 8), kBlack);
}

TEST(Blit, RunRepeatsTheSameSourceAtEachStep) {
    constexpr BlitRun run{{{1, 1, 1, 2}, {0, 0}}, {3, 1}, 3};
    static_assert(run.at(2) == Blit{{1, 1, 1, 2}, {6, 2}});
    const Bitmap source = coordinates(4, 4);
    Bitmap target(10, 10, kBlack);
    PaintRun(target, source, run, {0, 5});
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(target.at(3 * i, 5 + i), RGB(1, 1, 0)) << i;
        EXPECT_EQ(target.at(3 * i, 6 + i), RGB(1, 2, 0)) << i;
        EXPECT_EQ(target.at(3 * i + 1, 5 + i), kBlack) << i;
    }
    EXPECT_EQ(target.at(9, 8), kBlack);  // no fourth copy
}
