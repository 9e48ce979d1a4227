#include "ui/calibration/CalibrateWindowController.h"

#include "core/calibration/TargetCapture.h"
#include "core/layout/PageTexts.h"
#include "core/notify/Names.h"
#include "core/state/JUXPrompt.h"
#include "ui/common/CursorHiding.h"

namespace eboard {

CalibrateWindowController::CalibrateWindowController()
    : FormController(AgentWindow::Kind::FullScreen)
    , prompt_(JUXPrompt::getPrompt()) {}

void CalibrateWindowController::windowDidLoad() {
    // Neither the target index nor the cursor is touched: the preview hid the cursor, and
    // a run starts at whatever target the shared index names.
    dialogWindow().setKeyHandler([this](WindowKey key) { keyUp(key); });
    observe(names::kUpdateCalibrate, [this] { UpdateCalibrate(); });
    prompt_.setCurrentStatus(JUXPrompt::kTargetCaptureMode);
    dialogWindow().setKeepsFocus(true);
}

AgentWindow::Description CalibrateWindowController::windowTexts() const {
    return describePage(layout::kTargetTexts);
}

void CalibrateWindowController::UpdateCalibrate() {
    switch (captureTargetPoint(prompt_)) {
    case CaptureResult::Ignored:
        break;
    case CaptureResult::Captured:
        form().calibrate_view->updateCalibratePoint();
        break;
    case CaptureResult::CapturedLast:
        // The parser finishes the calibration once the pen lifts.
        showCursor();
        close();
        post(names::kCalibrateCaptured);
        break;
    }
}

void CalibrateWindowController::keyUp(WindowKey key) {
    if (key != WindowKey::Escape) {
        return;
    }
    close();
    showCursor();
    prompt_.setCurrentStatus(JUXPrompt::kPointerMode);
    prompt_.setCalibrateIndex(0);
    post(names::kStopCalibrate);
}

} // namespace eboard
