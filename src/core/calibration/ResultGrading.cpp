#include "core/calibration/ResultGrading.h"

#include "core/base/IntegerValue.h"
#include "core/calibration/RunResult.h"

#include <cmath>

namespace eboard {

namespace {

// Twice the signed area of a triangle, in the single-precision order of evaluation
// the grading has always used, truncated toward zero.
std::int32_t twiceTriangleArea(float xa, float ya, float xb, float yb, float xc, float yc) {
    const float positive = (xa * yb + xb * yc) + xc * ya;
    const float negative = (ya * xb + yb * xc) + yc * xa;
    return truncateToInt32(positive - negative);
}

std::int64_t scaledTriangleArea(std::int32_t twiceArea) {
    const double magnitude = std::fabs(static_cast<double>(twiceArea));
    return static_cast<std::int64_t>(((magnitude * 0.5) * 25.0) * 0.0625);
}

std::int32_t scaledEdge(float xa, float ya, float xb, float yb) {
    const float dx = ((xa - xb) * 5.0f) * 0.25f;
    const float dy = ((ya - yb) * 5.0f) * 0.25f;
    const double dxd = dx;
    const double dyd = dy;
    return truncateToInt32(std::sqrt(dxd * dxd + dyd * dyd));
}

} // namespace

std::int32_t areaPercent(const SettingData& d) {
    const float x0 = d.Raw0_X(), y0 = d.Raw0_Y(), x1 = d.Raw1_X(), y1 = d.Raw1_Y();
    const float x2 = d.Raw2_X(), y2 = d.Raw2_Y(), x3 = d.Raw3_X(), y3 = d.Raw3_Y();
    // Triangles P0 P1 P3 and P0 P3 P2 share the diagonal P0-P3.
    const std::int32_t t1 = twiceTriangleArea(x0, y0, x1, y1, x3, y3);
    const std::int32_t t2 = twiceTriangleArea(x0, y0, x3, y3, x2, y2);
    // 64-bit sums: raw points far outside the camera frame must not overflow.
    const std::int64_t total = scaledTriangleArea(t1) + scaledTriangleArea(t2);
    return saturateToInt32(total * 100 / 786432);
}

std::int32_t EdgeMeasure::ratioPercent() const {
    if (longer() == 0) {
        return 0;
    }
    return saturateToInt32(static_cast<std::int64_t>(shorter()) * 100 / longer());
}

EdgeMeasure edgeMeasure(const SettingData& d) {
    return EdgeMeasure{scaledEdge(d.Raw0_X(), d.Raw0_Y(), d.Raw2_X(), d.Raw2_Y()),
                       scaledEdge(d.Raw1_X(), d.Raw1_Y(), d.Raw3_X(), d.Raw3_Y())};
}

bool edgeFlag(std::int32_t edgePercent, const Thresholds& thresholds) {
    return edgePercent < thresholds.EdgePer;
}

bool longEdgeFlag(const EdgeMeasure& edges, const Thresholds& thresholds) {
    return edges.longer() > thresholds.MaxEdge;
}

std::string_view resultClassName(ResultClass result) {
    return runResultName(runResultOf(result));
}

ResultClass resultClass(std::int32_t calibrateType, std::int32_t area,
                        const Thresholds& thresholds) {
    if (calibrateType == 0) {
        return area > thresholds.AreaPer2 ? ResultClass::NormalEnd : ResultClass::Poor;
    }
    if (area > thresholds.AreaPer) {
        return ResultClass::Excellent;
    }
    if (area > thresholds.AreaPer1) {
        return ResultClass::Class1;
    }
    if (area > thresholds.AreaPer2) {
        return ResultClass::Class2;
    }
    return ResultClass::Class3;
}

Grade gradeCalibration(const SettingData& data, std::int32_t calibrateType,
                       const Thresholds& thresholds) {
    Grade grade;
    grade.areaPercent = areaPercent(data);
    const EdgeMeasure edges = edgeMeasure(data);
    grade.edgePercent = edges.ratioPercent();
    grade.edgeFlag = edgeFlag(grade.edgePercent, thresholds);
    grade.longEdgeFlag = longEdgeFlag(edges, thresholds);
    grade.result = resultClass(calibrateType, grade.areaPercent, thresholds);
    return grade;
}

} // namespace eboard
