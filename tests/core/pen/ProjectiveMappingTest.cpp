#include "core/pen/ProjectiveMapping.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace eboard {
namespace {

constexpr Quad kUnitSquare{0, 0, 1, 0, 1, 1, 0, 1};

void expectNear(PointF actual, float x, float y, float tolerance) {
    EXPECT_NEAR(actual.x, x, tolerance);
    EXPECT_NEAR(actual.y, y, tolerance);
}

TEST(PerspectiveMapping, UnitSquareOntoItselfIsTheIdentity) {
    PerspectiveTransform t;
    t.setPerspective(kUnitSquare, kUnitSquare);
    ASSERT_TRUE(t.isUsable());
    const Matrix4 identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    EXPECT_EQ(t.transform(), identity);
    EXPECT_EQ(t.mapPoint({0.25f, 0.75f}), (PointF{0.25f, 0.75f}));
}

TEST(PerspectiveMapping, ScalingTheTargetScalesEveryPoint) {
    const Quad source{10, 20, 300, 40, 280, 400, 30, 380};
    Quad doubled{};
    for (std::size_t i = 0; i < 8; ++i) {
        doubled[i] = 2 * source[i];
    }
    PerspectiveTransform t;
    t.setPerspective(source, doubled);
    for (PointF p : {PointF{10, 20}, PointF{150, 200}, PointF{-50, 700}}) {
        expectNear(t.mapPoint(p), 2 * p.x, 2 * p.y, 1e-2f);
    }
}

TEST(PerspectiveMapping, SquareToQuadOfAParallelogramIsAffine) {
    const Matrix4 m = squareToQuad({0, 0, 4, 1, 6, 4, 2, 3});
    EXPECT_EQ(m[3], 0.0f);
    EXPECT_EQ(m[7], 0.0f);
    EXPECT_EQ(m[12], 0.0f);
    EXPECT_EQ(m[13], 0.0f);
    EXPECT_EQ(m[0], 4.0f);
    EXPECT_EQ(m[1], 1.0f);
    EXPECT_EQ(m[4], 2.0f);
    EXPECT_EQ(m[5], 3.0f);
}

TEST(PerspectiveMapping, MultiplyMatrixIsRowTimesColumn) {
    Matrix4 a{};
    Matrix4 b{};
    for (std::size_t i = 0; i < 16; ++i) {
        a[i] = static_cast<float>(i + 1);
        b[i] = static_cast<float>(16 - i);
    }
    const Matrix4 product = multiplyMatrix(a, b);
    // Row 1 of a is 5 6 7 8, column 2 of b is 14 10 6 2.
    EXPECT_EQ(product[4 * 1 + 2], 5 * 14 + 6 * 10 + 7 * 6 + 8 * 2);
    EXPECT_EQ(product[0], 1 * 16 + 2 * 12 + 3 * 8 + 4 * 4);
}

// Random convex camera quadrilaterals onto screen targets: each corner lands on
// its target whichever order the four correspondences are passed in.
TEST(PerspectiveMapping, CornersLandOnTheirTargetsInAnyConsistentOrder) {
    std::mt19937 random(42);
    std::uniform_real_distribution<float> jitter(-120.0f, 120.0f);
    const std::array<PointF, 4> screen{PointF{192, 972}, PointF{192, 108}, PointF{1728, 972},
                                       PointF{1728, 108}};
    for (int run = 0; run < 200; ++run) {
        const std::array<PointF, 4> camera{PointF{200 + jitter(random), 150 + jitter(random)},
                                           PointF{200 + jitter(random), 600 + jitter(random)},
                                           PointF{820 + jitter(random), 150 + jitter(random)},
                                           PointF{820 + jitter(random), 600 + jitter(random)}};
        for (const std::array<int, 4>& order :
             {std::array{0, 1, 2, 3}, std::array{0, 2, 1, 3}, std::array{3, 1, 0, 2}}) {
            Quad source{};
            Quad target{};
            for (std::size_t k = 0; k < 4; ++k) {
                source[2 * k] = camera[order[k]].x;
                source[2 * k + 1] = camera[order[k]].y;
                target[2 * k] = screen[order[k]].x;
                target[2 * k + 1] = screen[order[k]].y;
            }
            PerspectiveTransform t;
            t.setPerspective(source, target);
            ASSERT_TRUE(t.isUsable());
            for (std::size_t i = 0; i < 4; ++i) {
                expectNear(t.mapPoint(camera[i]), screen[i].x, screen[i].y, 0.05f);
            }
        }
    }
}

TEST(PerspectiveMapping, DegenerateQuadrilateralsAreUnusable) {
    const Quad screen{192, 972, 192, 108, 1728, 972, 1728, 108};
    const Quad cases[] = {
        {1, 1, 1, 1, 1, 1, 1, 1},           // four equal points: the default record
        {0, 0, 0, 0, 100, 0, 100, 100},     // two equal corners
        {0, 0, 100, 100, 200, 200, 0, 300}, // three corners on one line
        {0, 0, 100, 0, 200, 0, 300, 0},     // all on one line
        {NAN, 0, 100, 0, 100, 100, 0, 100}, // not a number
    };
    for (const Quad& source : cases) {
        PerspectiveTransform t;
        t.setPerspective(source, screen);
        EXPECT_FALSE(t.isUsable()) << source[0] << "," << source[1] << " " << source[2];
    }
    PerspectiveTransform never;
    EXPECT_FALSE(never.isUsable());
}

TEST(PerspectiveMapping, APointOnTheVanishingLineIsNotFinite) {
    // A trapezoid whose sides meet: its vanishing line maps to infinity.
    PerspectiveTransform t;
    t.setPerspective({0, 0, 100, 0, 75, 100, 25, 100}, kUnitSquare);
    ASSERT_TRUE(t.isUsable());
    const Matrix4& m = t.transform();
    // Find a point with w = 0 on the x = 50 axis of symmetry: w = m3*x + m7*y + m15.
    const float y = -(m[3] * 50.0f + m[15]) / m[7];
    const PointF mapped = t.mapPoint({50.0f, y});
    EXPECT_FALSE(std::isfinite(mapped.x) && std::isfinite(mapped.y));
}

} // namespace
} // namespace eboard
