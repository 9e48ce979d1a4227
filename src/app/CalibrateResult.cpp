// The grading at the end of a calibration or diagnosis and the one window it opens.
#include "app/StatusMenu.h"
#include "core/base/DataPaths.h"
#include "core/base/Log.h"
#include "core/calibration/ResultGrading.h"
#include "core/calibration/Thresholds.h"
#include "core/state/JUXPrompt.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"

#include <optional>

namespace eboard {

namespace {

Thresholds thresholdsInForce() {
    const std::filesystem::path path = thresholdsPath();
    const ThresholdsLoad load = loadOrCreateThresholds(path);
    if (load.writeError) {
        logWarning("cannot create " + path.string() + " (" + load.writeError.message() +
                   "); grading with the default thresholds");
    }
    if (load.readError) {
        logWarning("cannot read " + path.string() + " (" + load.readError.message() +
                   "); grading with every threshold 0");
    } else if (load.unreadable) {
        logWarning(path.string() + " is no thresholds dictionary; grading with every threshold 0");
    }
    return load.thresholds;
}

std::int32_t diagnosisClass(ResultClass result) {
    switch (result) {
    case ResultClass::Class1:
        return 1;
    case ResultClass::Class2:
        return 2;
    default:
        return 3;
    }
}

} // namespace

void StatusMenu::CheckCalibrateResult() {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    const Grade grade =
        gradeCalibration(prompt.settingData(), prompt.iCalibrateType(), thresholdsInForce());
    prompt.setIAreaTotalPer(grade.areaPercent);
    prompt.setIEdgePer(grade.edgePercent);

    // Each window: its answers registered first, then the window shown, and only then
    // the names handed over, since its buttons exist once the window has loaded.
    switch (grade.result) {
    case ResultClass::Excellent:
        registerPair("ExcellentClose", &StatusMenu::ExcellentClose, "ExcellentRestart",
                     &StatusMenu::ExcellentRestart);
        calibrateExcellentCtl_ = std::make_unique<CalibrateExcellentWindow>();
        calibrateExcellentCtl_->showWindow();
        calibrateExcellentCtl_->setDlgInfo(QStringLiteral("ExcellentClose"),
                                           QStringLiteral("ExcellentRestart"));
        break;
    case ResultClass::Class1:
    case ResultClass::Class2:
    case ResultClass::Class3:
        registerPair("DiagnosisClose", &StatusMenu::DiagnosisClose, "DiagnosisRestart",
                     &StatusMenu::DiagnosisRestart);
        finishCalibrationCtl_ = std::make_unique<CalibrateMessageWindowController>();
        finishCalibrationCtl_->showWindow();
        finishCalibrationCtl_->setErrorType(
            diagnosisClass(grade.result), grade.edgeFlag ? 1 : 0, grade.longEdgeFlag ? 1 : 0,
            QStringLiteral("DiagnosisRestart"), QStringLiteral("DiagnosisClose"));
        break;
    case ResultClass::NormalEnd:
        EndNormalCrl_ = std::make_unique<EndNormalCalibrateWindow>();
        EndNormalCrl_->showWindow();
        break;
    case ResultClass::Poor:
        registerPair("NormalCalibrateToDiagnosis", &StatusMenu::NormalCalibrateToDiagnosis,
                     "NormalCalibrateEnd", &StatusMenu::NormalCalibrateEnd);
        EndNormalPoorCtl_ = std::make_unique<EndNormalCalibratePoorWindow>();
        EndNormalPoorCtl_->showWindow();
        EndNormalPoorCtl_->setDlgInfo(QStringLiteral("NormalCalibrateToDiagnosis"),
                                      QStringLiteral("NormalCalibrateEnd"));
        break;
    }
    announceEnd(resultClassName(grade.result));
}

} // namespace eboard
