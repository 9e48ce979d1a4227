#include <TamsuToolKit/TamsuToolKit.h>
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using Geometry = TamsuToolKit::TamsuToolKit;

namespace {

struct CrossCase {
    const char* name;
    QPointF a1, a2, b1, b2;
    bool crosses;
    QPointF expected;
};

const CrossCase kCrossCases[] = {
    {"sloped segments cross", {0, 0}, {10, 10}, {0, 10}, {10, 0}, true, {5, 5}},
    {"crossing outside second segment", {0, 0}, {10, 10}, {20, 0}, {30, -10}, false, {}},
    {"vertical line 1 gives the infinite crossing",
     {5, 100},
     {5, 200},
     {0, 0},
     {10, 10},
     true,
     {5, 5}},
    {"vertical line 2 gives the infinite crossing",
     {0, 0},
     {10, 10},
     {3, 50},
     {3, 60},
     true,
     {3, 3}},
    {"two vertical lines", {1, 0}, {1, 5}, {2, 0}, {2, 5}, false, {}},
    {"parallel sloped segments", {0, 0}, {10, 10}, {0, 1}, {10, 11}, false, {}},
    {"touching at an end counts", {0, 0}, {10, 10}, {10, 10}, {20, 0}, true, {10, 10}},
};

TEST(ToolkitGeometry, CrossPointTable) {
    for (const CrossCase& c : kCrossCases) {
        SCOPED_TRACE(c.name);
        const QPointF sentinel(-777, -777);
        QPointF out = sentinel;
        EXPECT_EQ(Geometry::getCrossPoint(out, c.a1, c.a2, c.b1, c.b2), c.crosses);
        if (c.crosses) {
            EXPECT_DOUBLE_EQ(out.x(), c.expected.x());
            EXPECT_DOUBLE_EQ(out.y(), c.expected.y());
        } else {
            EXPECT_EQ(out, sentinel) << "out must not be written on NO";
        }
    }
}

struct LargestCase {
    QRectF rect;
    double degrees;
    QRectF expected;
};

TEST(ToolkitGeometry, LargestRectInRotatedRectTable) {
    const LargestCase cases[] = {
        {{0, 0, 200, 100}, 0, {0, 0, 200, 100}},
        {{0, 0, 200, 100}, 360, {0, 0, 200, 100}},
        {{-100, -50, 200, 100}, 30, {-41, -35, 82, 70}},
        {{-100, -50, 200, 100}, 390, {-41, -35, 82, 70}},
    };
    for (const LargestCase& c : cases) {
        SCOPED_TRACE(c.degrees);
        EXPECT_EQ(Geometry::largestRectInRect(c.rect, c.degrees), c.expected);
    }
}

TEST(ToolkitGeometry, AngleReductionKeepsFractionAndSign) {
    const QRectF r(-100, -50, 200, 100);
    EXPECT_EQ(Geometry::largestRectInRect(r, 390.5), Geometry::largestRectInRect(r, 30.5));
    EXPECT_EQ(Geometry::largestRectInRect(r, -390), Geometry::largestRectInRect(r, -30));
    // A fraction must survive: 30.5 degrees is not 30 degrees.
    EXPECT_NE(Geometry::largestRectInRect(QRectF(-1000, -500, 2000, 1000), 30.5),
              Geometry::largestRectInRect(QRectF(-1000, -500, 2000, 1000), 30));
}

TEST(ToolkitGeometry, AnglesBeyondTheIntegerRangeReduceByWholeTurns) {
    const QRectF r(-100, -50, 200, 100);
    // 360 * 10'000'000 + 30 degrees lies outside a 32-bit integer.
    EXPECT_EQ(Geometry::largestRectInRect(r, 3600000030.0), Geometry::largestRectInRect(r, 30));
    EXPECT_EQ(Geometry::largestRectInRect(r, -3600000030.0), Geometry::largestRectInRect(r, -30));
    EXPECT_EQ(Geometry::largestRectInRect(r, std::nan("")), QRectF(0, 0, 0, 0));
}

TEST(ToolkitGeometry, IntegralRectRoundsOutward) {
    EXPECT_EQ(Geometry::integralRect({-40.85, -34.15, 81.70, 68.30}), QRectF(-41, -35, 82, 70));
    EXPECT_EQ(Geometry::integralRect({0.5, 0.5, 1.0, 1.0}), QRectF(0, 0, 2, 2));
    EXPECT_EQ(Geometry::integralRect({5, 5, 0, 10}), QRectF(0, 0, 0, 0));
    EXPECT_EQ(Geometry::integralRect({5, 5, 10, -1}), QRectF(0, 0, 0, 0));
}

struct FitCase {
    QRectF shape;
    QRectF container;
    QRectF expected;
};

TEST(ToolkitGeometry, AspectFitTable) {
    const FitCase cases[] = {
        {{0, 0, 400, 300}, {0, 0, 100, 100}, {0, 12.5, 100, 75}},
        {{0, 0, 300, 400}, {0, 0, 100, 100}, {12.5, 0, 75, 100}},
        {{50, 70, 300, 400}, {0, 0, 100, 100}, {12.5, 0, 75, 100}}, // position ignored
        {{0, 0, 10, 10}, {10, 20, 100, 50}, {35, 20, 50, 50}},
        {{0, 0, 20, 20}, {0, 0, 100, 100}, {0, 0, 100, 100}}, // equal ratios
        {{0, 0, 2, 1}, {0, 0, 5, 5}, {0, 1, 5, 3}},           // 2.5 rounds away from zero
        {{0, 0, 3, 2}, {0, 0, 5, 6}, {0, 1.5, 5, 3}},         // 3.33 -> 3, odd space keeps a half
    };
    for (const FitCase& c : cases) {
        SCOPED_TRACE(c.shape.width());
        EXPECT_EQ(Geometry::aspectFitRect(c.shape, c.container), c.expected);
    }
}

TEST(ToolkitGeometry, PolygonAreaTable) {
    const std::vector<QPointF> square{{0, 0}, {0, 10}, {10, 10}, {10, 0}};
    const std::vector<QPointF> reversed(square.rbegin(), square.rend());
    const std::vector<QPointF> single{{3, 4}};
    const std::vector<QPointF> triangle{{0, 0}, {0, 4}, {3, 0}};
    EXPECT_DOUBLE_EQ(Geometry::areaFromcounterclockwisePoints(square), 100.0);
    EXPECT_DOUBLE_EQ(Geometry::areaFromcounterclockwisePoints(reversed), -100.0);
    EXPECT_DOUBLE_EQ(Geometry::areaFromcounterclockwisePoints({}), 0.0);
    EXPECT_DOUBLE_EQ(Geometry::areaFromcounterclockwisePoints(single), 0.0);
    EXPECT_DOUBLE_EQ(Geometry::areaFromcounterclockwisePoints(triangle), 6.0);
}

} // namespace
