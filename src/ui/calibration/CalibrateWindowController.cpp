#include "ui/calibration/CalibrateWindowController.h"

#include "core/calibration/TargetCapture.h"
#include "core/notify/Names.h"
#include "core/state/JUXPrompt.h"
#include "ui/common/CursorHiding.h"
#include "ui_CalibrateWindowController.h"

namespace eboard {

CalibrateWindowController::CalibrateWindowController()
    : prompt_(JUXPrompt::getPrompt()) {}

CalibrateWindowController::~CalibrateWindowController() {
    if (window_) {
        window_->setKeyHandler({});
        window_->close();
    }
}

CalibrateView* CalibrateWindowController::calibrate_view() const {
    return ui_ ? ui_->calibrate_view : nullptr;
}

void CalibrateWindowController::showWindow() {
    if (window_) {
        window_->present();
        return;
    }
    window_.reset(new AgentWindow(AgentWindow::Kind::FullScreen));
    ui_ = std::make_unique<Ui::CalibrateWindowController>();
    ui_->setupUi(window_.get());
    windowDidLoad();
}

void CalibrateWindowController::windowDidLoad() {
    // Neither the target index nor the cursor is touched: the preview hid the cursor, and
    // a run starts at whatever target the shared index names.
    window_->setKeyHandler([this](WindowKey key) { keyUp(key); });
    window_->present();
    observers_.observe(names::kUpdateCalibrate, [this] { UpdateCalibrate(); });
    prompt_.setCurrentStatus(JUXPrompt::kTargetCaptureMode);
    window_->reclaimFocus();
    window_->setKeepsFocus(true);
}

void CalibrateWindowController::close() {
    if (window_) {
        window_->close();
    }
}

void CalibrateWindowController::UpdateCalibrate() {
    switch (captureTargetPoint(prompt_)) {
    case CaptureResult::Ignored:
        break;
    case CaptureResult::Captured:
        ui_->calibrate_view->updateCalibratePoint();
        break;
    case CaptureResult::CapturedLast:
        // The parser finishes the calibration once the pen lifts.
        showCursor();
        close();
        observers_.center().postNotification(names::kCalibrateCaptured);
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
    observers_.center().postNotification(names::kStopCalibrate);
}

} // namespace eboard
