#include "app/WorkflowWindows.h"

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

namespace eboard {

namespace {

// Calls visitor with the controller field of that window.
template <std::size_t I = 0, typename Tuple, typename Visitor>
void visit(Tuple& controllers, RunWindow window, Visitor&& visitor) {
    if constexpr (I < std::tuple_size_v<std::remove_const_t<Tuple>>) {
        if (static_cast<std::size_t>(window) == I) {
            visitor(std::get<I>(controllers));
        } else {
            visit<I + 1>(controllers, window, std::forward<Visitor>(visitor));
        }
    }
}

} // namespace

WorkflowWindows::WorkflowWindows() = default;
WorkflowWindows::~WorkflowWindows() = default;

void WorkflowWindows::open(RunWindow window) {
    visit(controllers_, window, [](auto& controller) {
        controller = std::make_unique<typename std::decay_t<decltype(controller)>::element_type>();
        controller->showWindow();
    });
}

void WorkflowWindows::close(RunWindow window) {
    visit(controllers_, window, [](auto& controller) {
        if (controller) {
            controller->close();
        }
    });
}

void WorkflowWindows::closeAll() {
    // Closed first, all of them, then destroyed: a window that closes may still post to
    // the others' observers.
    std::apply([](auto&... controller) { ((controller ? controller->close() : void()), ...); },
               controllers_);
    std::apply([](auto&... controller) { (controller.reset(), ...); }, controllers_);
}

bool WorkflowWindows::isOpen(RunWindow window) const {
    bool open = false;
    visit(controllers_, window, [&open](const auto& controller) {
        open = controller && controller->window() != nullptr && controller->window()->isVisible();
    });
    return open;
}

bool WorkflowWindows::anyOpen() const {
    for (std::size_t i = 0; i < kRunWindowCount; ++i) {
        if (isOpen(static_cast<RunWindow>(i))) {
            return true;
        }
    }
    return false;
}

} // namespace eboard
