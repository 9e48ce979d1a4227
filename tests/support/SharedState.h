#pragma once
// The process-wide shared state back to what a fresh agent starts with, so that no test
// sees what the one before it left there.

#include "core/state/JUXPrompt.h"

namespace eboard::testing {

inline void resetSharedState() {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setBFirstRun(false);
    prompt.setBInPrograss(false);
    prompt.setConnectionState(0);
    prompt.setScreenWidth(0);
    prompt.setScreenHeight(0);
    prompt.setCurrentStatus(JUXPrompt::kPointerMode);
    prompt.setCalibrateIndex(0);
    prompt.setIsmooth(4);
    prompt.setSmoothingMode(SmoothingMode::Average);
    prompt.setAdaptiveSmoothing(AdaptiveSmoothing{});
    prompt.setIAreaTotalPer(0);
    prompt.setICalibrateType(0);
    prompt.setIEdgePer(0);
    prompt.setItoScreenErrorType(0);
    prompt.setIFirstCalibrate(0);
    prompt.setLocaleID(JUXPrompt::kEnglish);
    prompt.setSettingData(SettingData{});
    prompt.setCalibratePoint({});
    prompt.setScreenCalibratePoint({});
    prompt.setLightPointRaw(PointD{});
    prompt.setStoreFailure({});
}

} // namespace eboard::testing
