#include "core/calibration/TargetCapture.h"

#include "core/state/JUXPrompt.h"

#include <cmath>

namespace eboard {

namespace {
constexpr int kTargetCount = 4;
constexpr double kSameTargetRadius = 64.0;
} // namespace

CaptureResult captureTargetPoint(JUXPrompt& prompt) {
    const int index = prompt.calibrateIndex();
    if (index < 0 || index >= kTargetCount) {
        return CaptureResult::Ignored;
    }
    const PointD light = prompt.LightPointRaw();
    std::vector<PointD>& captured = prompt.CalibratePoint();
    // A run that starts at a later target has no earlier capture to compare with.
    if (index > 0 && std::size_t(index) <= captured.size()) {
        const PointD& previous = captured[std::size_t(index) - 1];
        const double dx = std::trunc(light.x - previous.x);
        const double dy = std::trunc(light.y - previous.y);
        if (std::fabs(dx) < kSameTargetRadius && std::fabs(dy) < kSameTargetRadius) {
            return CaptureResult::Ignored;
        }
    }
    if (captured.size() <= std::size_t(index)) {
        captured.resize(std::size_t(index) + 1);
    }
    captured[std::size_t(index)] = light;
    prompt.setCalibrateIndex((index + 1) % kTargetCount);
    if (index < kTargetCount - 1) {
        return CaptureResult::Captured;
    }
    prompt.setCurrentStatus(JUXPrompt::kTargetsCapturedMode);
    return CaptureResult::CapturedLast;
}

} // namespace eboard
