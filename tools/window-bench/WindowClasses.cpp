#include "BenchWindow.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"

namespace eboard::bench {

const std::vector<WindowClass>& windowClasses() {
    static const std::vector<WindowClass> classes = {
        windowClass<CalibrationPreViewWindowController>("CalibrationPreViewWindowController"),
        windowClass<CalibrateWindowController>("CalibrateWindowController"),
        windowClass<CalibrateMessageWindowController>("CalibrateMessageWindowController"),
    };
    return classes;
}

} // namespace eboard::bench
