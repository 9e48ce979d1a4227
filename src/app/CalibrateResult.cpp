// The grading at the end of a calibration or diagnosis; the run then opens its window.
#include "app/StatusMenu.h"
#include "core/base/DataPaths.h"
#include "core/base/Log.h"
#include "core/calibration/ResultGrading.h"
#include "core/calibration/Thresholds.h"
#include "core/state/JUXPrompt.h"

namespace eboard {

namespace {

Thresholds thresholdsInForce() {
    const ThresholdsLoad load = loadOrCreateThresholds(thresholdsPath());
    if (!load.message.empty()) {
        logWarning(load.message);
    }
    return load.thresholds;
}

} // namespace

void StatusMenu::gradeStoredPoints() {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    grade_ = gradeCalibration(prompt.settingData(), prompt.iCalibrateType(), thresholdsInForce());
    prompt.setIAreaTotalPer(grade_.areaPercent);
    prompt.setIEdgePer(grade_.edgePercent);
    dispatch(gradedEvent(grade_.result));
}

} // namespace eboard
