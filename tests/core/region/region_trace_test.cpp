#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "region/region_trace.h"
#include "region_pictures.h"

using namespace pelterra;
using namespace pelterra::region_test;

namespace {

template <typename IsKey>
AreaOutlines trace(IsKey isKey, std::int64_t maxSteps = 0) {
    Bitmap cutOut = cutOutBackground();
    return TraceRegionArea(areaOf(isKey), cutOut, kKey, {}, maxSteps);
}

std::vector<Point> firstPoints(const AreaOutlines& outlines, std::size_t n) {
    return {outlines.points.begin(), outlines.points.begin() + static_cast<long>(std::min(n, outlines.points.size()))};
}

bool keptRectangle(int u, int v) { return !(u >= 10 && u <= 19 && v >= 5 && v <= 9); }
bool keptPixelAt55(int u, int v) { return !(u == 5 && v == 5); }

}  // namespace

TEST(TraceRegionArea, AKeptRectangleIsOneOutlineRunningDownItsLeftSideInASawTooth) {
    const AreaOutlines outlines = trace(keptRectangle);
    ASSERT_EQ(outlines.counts, std::vector<int>{94});
    ASSERT_EQ(outlines.points.size(), 94u);
    EXPECT_EQ(firstPoints(outlines, 6), (std::vector<Point>{{9, 5}, {9, 5}, {10, 5}, {9, 6}, {9, 6}, {10, 6}}));
    // Along the bottom at v = 10, under the whole width of the rectangle.
    const auto bottom = std::count_if(outlines.points.begin(), outlines.points.end(),
                                      [](Point p) { return p.y == 10 && p.x >= 10 && p.x <= 19; });
    EXPECT_GE(bottom, 10);
    EXPECT_EQ(outlines.cutOff, 0);
}

TEST(TraceRegionArea, APictureWithoutKeyColourIsOneOutlineAlongTheFrame) {
    const AreaOutlines outlines = trace([](int, int) { return false; });
    ASSERT_EQ(outlines.counts, std::vector<int>{2461});
    EXPECT_EQ(outlines.points.front(), (Point{-1, 0}));  // area pixel (0, 1)
    const auto [minX, maxX] = std::minmax_element(outlines.points.begin(), outlines.points.end(),
                                                  [](Point a, Point b) { return a.x < b.x; });
    const auto [minY, maxY] = std::minmax_element(outlines.points.begin(), outlines.points.end(),
                                                  [](Point a, Point b) { return a.y < b.y; });
    EXPECT_EQ(minX->x, -1);
    EXPECT_EQ(maxX->x, 275);
    EXPECT_EQ(minY->y, -1);
    EXPECT_EQ(maxY->y, 116);
    EXPECT_EQ(outlines.cutOff, 0);
}

TEST(TraceRegionArea, ASingleKeptPixelGivesTwelvePoints) {
    const AreaOutlines outlines = trace(keptPixelAt55);
    ASSERT_EQ(outlines.counts, std::vector<int>{12});
    EXPECT_EQ(outlines.points, (std::vector<Point>{{4, 5}, {4, 5}, {5, 5}, {5, 6}, {5, 6}, {5, 6},
                                                   {6, 5}, {6, 5}, {6, 5}, {5, 4}, {5, 4}, {5, 4}}));
}

TEST(TraceRegionArea, ASingleKeyPixelAmongKeptPixelsIsItsUnitSquare) {
    const AreaOutlines outlines = trace([](int u, int v) { return u == 4 && v == 5; });
    // The frame's outline comes first; the key pixel's follows on its own row.
    ASSERT_EQ(outlines.counts, (std::vector<int>{2461, 4}));
    const std::vector<Point> square(outlines.points.end() - 4, outlines.points.end());
    EXPECT_EQ(square, (std::vector<Point>{{4, 5}, {5, 5}, {5, 6}, {4, 6}}));
}

TEST(TraceRegionArea, KeptAreasTouchingAtACornerAreOneOutline) {
    const AreaOutlines outlines = trace([](int u, int v) { return !((u == 5 && v == 5) || (u == 6 && v == 6)); });
    ASSERT_EQ(outlines.counts.size(), 1u);
    EXPECT_EQ(outlines.counts[0], 18);
}

TEST(TraceRegionArea, APictureAllOfKeyColourHasNoOutline) {
    const AreaOutlines outlines = trace([](int, int) { return true; });
    EXPECT_TRUE(outlines.counts.empty());
    EXPECT_TRUE(outlines.points.empty());
}

TEST(TraceRegionArea, SeparateAreasAreTracedInScanOrder) {
    // Two kept pixels on different rows, the lower one further left.
    const AreaOutlines outlines = trace([](int u, int v) { return !((u == 40 && v == 3) || (u == 8 && v == 20)); });
    ASSERT_EQ(outlines.counts, (std::vector<int>{12, 12}));
    EXPECT_EQ(outlines.points[0], (Point{39, 3}));
    EXPECT_EQ(outlines.points[12], (Point{7, 20}));
}

TEST(TraceRegionArea, MarksShowTheStepsInRedAndTheTableNeighboursInGreen) {
    Bitmap cutOut = cutOutBackground();
    TraceRegionArea(areaOf(keptPixelAt55), cutOut, kKey, {});
    // Area positions: the kept pixel is (6, 6); the walk stands on its four neighbours.
    const std::vector<Point> red{{5, 6}, {6, 7}, {7, 6}, {6, 5}};
    const std::vector<Point> green{{6, 6}, {7, 7}, {5, 7}, {6, 8}};
    for (int y = 0; y < cutOut.height(); ++y)
        for (int x = 0; x < cutOut.width(); ++x) {
            const Point p{x, y};
            const Colour expected = std::count(red.begin(), red.end(), p)     ? kMarkRed
                                    : std::count(green.begin(), green.end(), p) ? kMarkGreen
                                                                                : kBackground;
            ASSERT_EQ(cutOut.at(x, y), expected) << x << "," << y;
        }
}

TEST(TraceRegionArea, AMarkedStartIsNotStartedAgain) {
    // The same rectangle traced onto a Cut-out result that already shows its outline: the marks
    // keep every start pixel of its left side from being used.
    Bitmap cutOut = cutOutBackground();
    const Bitmap area = areaOf(keptRectangle);
    TraceRegionArea(area, cutOut, kKey, {});
    const AreaOutlines again = TraceRegionArea(area, cutOut, kKey, {});
    EXPECT_TRUE(again.counts.empty());
}

TEST(TraceRegionArea, ReportsEachRowAndEachOutlineStarted) {
    std::vector<std::string> texts;
    Bitmap cutOut = cutOutBackground();
    TraceRegionArea(areaOf(keptPixelAt55), cutOut, kKey, [&](const std::string& t) { texts.push_back(t); });
    ASSERT_EQ(texts.size(), 117u);
    EXPECT_EQ(texts[0], "1/116 終了");
    EXPECT_EQ(texts[5], "6/116 終了");
    EXPECT_EQ(texts[6], "6切り取り中");  // image row 5 is area row 6
    EXPECT_EQ(texts.back(), "116/116 終了");
}

TEST(TraceOutline, TheStepCapEndsAnOutlineThatHasNotComeBack) {
    const Bitmap area = areaOf(keptPixelAt55);
    const RegionKeyMap keys(area, kKey);
    EXPECT_EQ(OutlineStepCap(keys), 4LL * 277 * 118);

    Bitmap cutOut = cutOutBackground();
    std::vector<Point> points;
    const OutlineEnd end = TraceOutline(keys, cutOut, 5, 6, points, 2);
    EXPECT_TRUE(end.cutOff);
    EXPECT_EQ(end.pointCount, 6);
    EXPECT_EQ(points, (std::vector<Point>{{4, 5}, {4, 5}, {5, 5}, {5, 6}, {5, 6}, {5, 6}}));

    // The area scan counts outlines ended that way, and keeps their points with their counts.
    Bitmap cutOut2 = cutOutBackground();
    const AreaOutlines outlines = TraceRegionArea(area, cutOut2, kKey, {}, 2);
    EXPECT_EQ(outlines.cutOff, 1);
    EXPECT_EQ(outlines.counts, std::vector<int>{6});
    EXPECT_EQ(outlines.points.size(), 6u);
}
