#pragma once

#include "core/calibration/CalibrationRun.h"

#include <cstddef>
#include <memory>
#include <tuple>

namespace eboard {

class AbortWindowController;
class CalibrateExcellentWindow;
class CalibrateMessageWindowController;
class CalibrateNotSavedWindow;
class CalibrateWindowController;
class CalibrationPreViewWindowController;
class CheckCamPositionWindow;
class DeviceDoNotConnectWindow;
class EndNormalCalibratePoorWindow;
class EndNormalCalibrateWindow;
class StartDiagnosisWindow;
class StartNormalCalibrateDlg;

// The calibration workflow's windows: the most recent controller of each kind. Opening a
// kind always makes a new controller from its layout (the previous one goes, with its
// window and observations); closing keeps the controller, so closing twice is harmless.
class WorkflowWindows {
public:
    WorkflowWindows();
    ~WorkflowWindows();
    WorkflowWindows(const WorkflowWindows&) = delete;
    WorkflowWindows& operator=(const WorkflowWindows&) = delete;

    // The controller of that class; null before the first opening and after closeAll().
    template <typename Controller> Controller* get() const {
        return std::get<std::unique_ptr<Controller>>(controllers_).get();
    }

    void open(RunWindow window);
    void close(RunWindow window);
    // Closes and destroys every window.
    void closeAll();
    bool isOpen(RunWindow window) const;
    bool anyOpen() const;

private:
    // In RunWindow's order: element i holds the controller of RunWindow i.
    using Controllers = std::tuple<
        std::unique_ptr<CalibrationPreViewWindowController>,
        std::unique_ptr<CalibrateWindowController>,
        std::unique_ptr<CalibrateMessageWindowController>, std::unique_ptr<StartNormalCalibrateDlg>,
        std::unique_ptr<AbortWindowController>, std::unique_ptr<EndNormalCalibrateWindow>,
        std::unique_ptr<EndNormalCalibratePoorWindow>, std::unique_ptr<StartDiagnosisWindow>,
        std::unique_ptr<CalibrateExcellentWindow>, std::unique_ptr<CheckCamPositionWindow>,
        std::unique_ptr<DeviceDoNotConnectWindow>, std::unique_ptr<CalibrateNotSavedWindow>>;
    static_assert(std::tuple_size_v<Controllers> == kRunWindowCount);

    Controllers controllers_;
};

} // namespace eboard
