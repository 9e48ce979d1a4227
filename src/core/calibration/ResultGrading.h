#pragma once

#include "core/calibration/SettingData.h"
#include "core/calibration/Thresholds.h"

#include <cstdint>
#include <string_view>

namespace eboard {

// Size of the quadrilateral spanned by the stored raw points, in percent of the
// 1024 x 768 camera frame, each side scaled by 1.25.
std::int32_t areaPercent(const SettingData& data);

struct EdgeMeasure {
    std::int32_t left = 0;  // slot 0 to slot 2: target 0 to target 1
    std::int32_t right = 0; // slot 1 to slot 3: target 2 to target 3
    std::int32_t longer() const { return left > right ? left : right; }
    std::int32_t shorter() const { return left > right ? right : left; }
    // shorter * 100 / longer; 0 when the longer edge is 0 (all corners collapsed
    // onto one line), which is the poorest possible ratio.
    std::int32_t ratioPercent() const;
};
EdgeMeasure edgeMeasure(const SettingData& data);

bool edgeFlag(std::int32_t edgePercent, const Thresholds& thresholds);
bool longEdgeFlag(const EdgeMeasure& edges, const Thresholds& thresholds);

enum class ResultClass { Excellent, Class1, Class2, Class3, NormalEnd, Poor };
std::string_view resultClassName(ResultClass result);

// calibrateType 0 is a normal calibration, anything else a diagnosis.
ResultClass resultClass(std::int32_t calibrateType, std::int32_t areaPercent,
                        const Thresholds& thresholds);

struct Grade {
    std::int32_t areaPercent = 0;
    std::int32_t edgePercent = 0;
    bool edgeFlag = false;
    bool longEdgeFlag = false;
    ResultClass result = ResultClass::Poor;
};
Grade gradeCalibration(const SettingData& data, std::int32_t calibrateType,
                       const Thresholds& thresholds);

} // namespace eboard
