#include "core/calibration/ResultGrading.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace eboard {
namespace {

// Slots: P0 top-left, P1 top-right, P2 bottom-left, P3 bottom-right.
SettingData record(float x0, float y0, float x1, float y1, float x2, float y2, float x3, float y3) {
    return SettingData({x0, y0, x1, y1, x2, y2, x3, y3});
}

// An axis-aligned rectangle w x h at the origin.
SettingData rectangle(float w, float h) {
    return record(0, 0, w, 0, 0, h, w, h);
}

TEST(AreaPercent, FullCameraFrameScaledByOneQuarterIs156Percent) {
    EXPECT_EQ(areaPercent(rectangle(1024, 768)), 156);
}

TEST(AreaPercent, CountsBothTrianglesByTheirSizeWhateverTheWinding) {
    // Mirrored left-right: both triangles wind the other way round.
    EXPECT_EQ(areaPercent(record(1024, 0, 0, 0, 1024, 768, 0, 768)), 156);
    // Half the frame: (512*768) * 1.5625 * 100 / 786432 = 78.125.
    EXPECT_EQ(areaPercent(rectangle(512, 768)), 78);
}

TEST(AreaPercent, DegenerateAndFarOutPointsStayDefined) {
    EXPECT_EQ(areaPercent(SettingData{}), 0);
    EXPECT_EQ(areaPercent(record(0, 0, 100, 100, 200, 200, 300, 300)), 0);
    // Products far beyond the 32-bit range saturate instead of overflowing.
    const std::int32_t huge = areaPercent(rectangle(1e7f, 1e7f));
    EXPECT_GT(huge, 0);
    EXPECT_EQ(areaPercent(record(NAN, 0, 1024, 0, 0, 768, 1024, 768)), 0);
}

TEST(EdgeMeasure, SideEdgesAreScaledByOneQuarter) {
    const EdgeMeasure full = edgeMeasure(rectangle(1024, 768));
    EXPECT_EQ(full.left, 960);
    EXPECT_EQ(full.right, 960);
    EXPECT_EQ(full.ratioPercent(), 100);

    // Left edge 300 raw (375 scaled), right edge 400 raw (500 scaled): 75 %.
    const EdgeMeasure uneven = edgeMeasure(record(0, 100, 900, 0, 0, 400, 900, 400));
    EXPECT_EQ(uneven.left, 375);
    EXPECT_EQ(uneven.right, 500);
    EXPECT_EQ(uneven.ratioPercent(), 75);
    // A slanted edge: 3-4-5 triangle of 240/320 raw gives 400 * 1.25 = 500.
    EXPECT_EQ(edgeMeasure(record(0, 0, 0, 0, 240, 320, 0, 0)).left, 500);
}

TEST(EdgeMeasure, ACollapsedLongerEdgeGivesTheLowestRatioInsteadOfDividingByZero) {
    const EdgeMeasure none = edgeMeasure(SettingData{});
    EXPECT_EQ(none.longer(), 0);
    EXPECT_EQ(none.ratioPercent(), 0);
    EXPECT_TRUE(edgeFlag(none.ratioPercent(), Thresholds::defaults()));
}

TEST(GradingFlags, ThresholdBoundaries) {
    const Thresholds t = Thresholds::defaults();
    EXPECT_FALSE(edgeFlag(90, t));
    EXPECT_TRUE(edgeFlag(89, t));
    EXPECT_TRUE(longEdgeFlag(EdgeMeasure{501, 10}, t));
    EXPECT_FALSE(longEdgeFlag(EdgeMeasure{500, 500}, t));
}

struct ClassCase {
    std::int32_t type;
    std::int32_t area;
    ResultClass expected;
};

class ResultClassBoundaries : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ResultClassBoundaries, WithDefaultThresholds) {
    EXPECT_EQ(resultClass(GetParam().type, GetParam().area, Thresholds::defaults()),
              GetParam().expected)
        << "type " << GetParam().type << " area " << GetParam().area;
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResultClassBoundaries,
    ::testing::Values(ClassCase{1, 66, ResultClass::Excellent},
                      ClassCase{1, 65, ResultClass::Class1}, ClassCase{1, 31, ResultClass::Class1},
                      ClassCase{1, 30, ResultClass::Class2}, ClassCase{1, 16, ResultClass::Class2},
                      ClassCase{1, 15, ResultClass::Class3}, ClassCase{1, 0, ResultClass::Class3},
                      ClassCase{7, 156, ResultClass::Excellent},
                      ClassCase{0, 15, ResultClass::Poor}, ClassCase{0, 16, ResultClass::NormalEnd},
                      ClassCase{0, 156, ResultClass::NormalEnd},
                      ClassCase{0, 0, ResultClass::Poor}));

TEST(ResultClass, ZeroThresholdsFromAnUnreadableFile) {
    const Thresholds zero{};
    EXPECT_EQ(resultClass(1, 1, zero), ResultClass::Excellent);
    EXPECT_EQ(resultClass(1, 0, zero), ResultClass::Class3);
    EXPECT_EQ(resultClass(0, 1, zero), ResultClass::NormalEnd);
    EXPECT_EQ(resultClass(0, 0, zero), ResultClass::Poor);
}

TEST(GradeCalibration, FullFrameExample) {
    const Grade diagnosis = gradeCalibration(rectangle(1024, 768), 1, Thresholds::defaults());
    EXPECT_EQ(diagnosis.areaPercent, 156);
    EXPECT_EQ(diagnosis.edgePercent, 100);
    EXPECT_FALSE(diagnosis.edgeFlag);
    EXPECT_TRUE(diagnosis.longEdgeFlag);
    EXPECT_EQ(diagnosis.result, ResultClass::Excellent);
    EXPECT_EQ(gradeCalibration(rectangle(1024, 768), 0, Thresholds::defaults()).result,
              ResultClass::NormalEnd);
}

TEST(ResultClassName, NamesEveryClass) {
    EXPECT_EQ(resultClassName(ResultClass::Excellent), "excellent");
    EXPECT_EQ(resultClassName(ResultClass::Class1), "class1");
    EXPECT_EQ(resultClassName(ResultClass::Class2), "class2");
    EXPECT_EQ(resultClassName(ResultClass::Class3), "class3");
    EXPECT_EQ(resultClassName(ResultClass::NormalEnd), "normal-end");
    EXPECT_EQ(resultClassName(ResultClass::Poor), "poor");
}

} // namespace
} // namespace eboard
