#pragma once

#include "core/calibration/ResultGrading.h"

#include <optional>
#include <span>
#include <string_view>

namespace eboard {

// How a calibration or diagnosis run ended, as "CalibrateEnded" tells it.
enum class RunResult {
    NormalEnd,
    Poor,
    Excellent,
    Class1,
    Class2,
    Class3,
    Aborted,
    NotConnected,
    Disconnected,
    NotSaved,
};

struct RunResultInfo {
    RunResult result;
    std::string_view name;
    // A graded run; every other ending is a failure for a process that waited for it.
    bool completed;
};

// Every result in announcement order: graded ones first.
std::span<const RunResultInfo> runResults();
std::string_view runResultName(RunResult result);
std::optional<RunResult> runResultNamed(std::string_view name);
bool isCompletedRun(RunResult result);
RunResult runResultOf(ResultClass graded);

} // namespace eboard
