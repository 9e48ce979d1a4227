#include "BenchWindow.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CalibrateNotSavedWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DeviceDoNotConnectWindow.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

namespace eboard::bench {

const std::vector<WindowClass>& windowClasses() {
    static const std::vector<WindowClass> classes = {
        windowClass<CalibrationPreViewWindowController>("CalibrationPreViewWindowController"),
        windowClass<CalibrateWindowController>("CalibrateWindowController"),
        windowClass<CalibrateMessageWindowController>("CalibrateMessageWindowController"),
        windowClass<StartNormalCalibrateDlg>("StartNormalCalibrateDlg"),
        windowClass<StartDiagnosisWindow>("StartDiagnosisWindow"),
        windowClass<AbortWindowController>("AbortWindowController"),
        windowClass<EndNormalCalibrateWindow>("EndNormalCalibrateWindow"),
        windowClass<EndNormalCalibratePoorWindow>("EndNormalCalibratePoorWindow"),
        windowClass<DeviceDoNotConnectWindow>("DeviceDoNotConnectWindow"),
        windowClass<CalibrateExcellentWindow>("CalibrateExcellentWindow"),
        windowClass<CheckCamPositionWindow>("CheckCamPositionWindow"),
        windowClass<CalibrateNotSavedWindow>("CalibrateNotSavedWindow"),
    };
    return classes;
}

} // namespace eboard::bench
