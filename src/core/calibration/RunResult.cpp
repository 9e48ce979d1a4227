#include "core/calibration/RunResult.h"

#include <algorithm>
#include <array>

namespace eboard {

namespace {

constexpr std::array kRunResults = {
    RunResultInfo{RunResult::NormalEnd, "normal-end", true},
    RunResultInfo{RunResult::Poor, "poor", true},
    RunResultInfo{RunResult::Excellent, "excellent", true},
    RunResultInfo{RunResult::Class1, "class1", true},
    RunResultInfo{RunResult::Class2, "class2", true},
    RunResultInfo{RunResult::Class3, "class3", true},
    RunResultInfo{RunResult::Aborted, "aborted", false},
    RunResultInfo{RunResult::NotConnected, "not-connected", false},
    RunResultInfo{RunResult::Disconnected, "disconnected", false},
    RunResultInfo{RunResult::NotSaved, "not-saved", false},
};

const RunResultInfo& infoOf(RunResult result) {
    return *std::find_if(kRunResults.begin(), kRunResults.end(),
                         [result](const RunResultInfo& info) { return info.result == result; });
}

} // namespace

std::span<const RunResultInfo> runResults() {
    return kRunResults;
}

std::string_view runResultName(RunResult result) {
    return infoOf(result).name;
}

std::optional<RunResult> runResultNamed(std::string_view name) {
    const auto it = std::find_if(kRunResults.begin(), kRunResults.end(),
                                 [name](const RunResultInfo& info) { return info.name == name; });
    if (it == kRunResults.end()) {
        return std::nullopt;
    }
    return it->result;
}

bool isCompletedRun(RunResult result) {
    return infoOf(result).completed;
}

RunResult runResultOf(ResultClass graded) {
    switch (graded) {
    case ResultClass::Excellent:
        return RunResult::Excellent;
    case ResultClass::Class1:
        return RunResult::Class1;
    case ResultClass::Class2:
        return RunResult::Class2;
    case ResultClass::Class3:
        return RunResult::Class3;
    case ResultClass::NormalEnd:
        return RunResult::NormalEnd;
    case ResultClass::Poor:
        break;
    }
    return RunResult::Poor;
}

} // namespace eboard
