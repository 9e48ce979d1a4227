#include "ui/calibration/CalibrationPreViewWindowController.h"

#include "core/layout/PreviewLayout.h"
#include "core/notify/Names.h"
#include "core/state/JUXPrompt.h"
#include "ui/common/CursorHiding.h"
#include "ui_CalibrationPreViewWindowController.h"

namespace eboard {

CalibrationPreViewWindowController::CalibrationPreViewWindowController()
    : prompt_(JUXPrompt::getPrompt()) {}

CalibrationPreViewWindowController::~CalibrationPreViewWindowController() {
    if (window_) {
        window_->setKeyHandler({});
        window_->close();
    }
}

CalibrationPreView* CalibrationPreViewWindowController::myPreView() const {
    return ui_ ? ui_->myPreView : nullptr;
}

void CalibrationPreViewWindowController::showWindow() {
    if (window_) {
        window_->present();
        return;
    }
    window_.reset(new AgentWindow(AgentWindow::Kind::FullScreen));
    ui_ = std::make_unique<Ui::CalibrationPreViewWindowController>();
    ui_->setupUi(window_.get());
    windowDidLoad();
}

void CalibrationPreViewWindowController::windowDidLoad() {
    // Frameless, above everything, covering the board screen, with the keyboard.
    window_->setKeyHandler([this](WindowKey key) { keyUp(key); });
    window_->present();
    observers_.observe(names::kUpdatePreView, [this] { UpdatePreView(); });
    observers_.observe(names::kCleanPreView, [this] { CleanPreView(); });
    followScreenSize();
    ui_->myPreView->initVariable();
    prompt_.setCurrentStatus(JUXPrompt::kPreviewMode);
    hideCursor();
    window_->reclaimFocus();
    window_->setKeepsFocus(true);
}

void CalibrationPreViewWindowController::close() {
    if (window_) {
        window_->close();
    }
}

// The check area follows the board screen when its size changes while the preview is open.
void CalibrationPreViewWindowController::followScreenSize() {
    const std::pair size{prompt_.screenWidth(), prompt_.screenHeight()};
    if (size == previewSize_) {
        return;
    }
    previewSize_ = size;
    const layout::PreviewLayout l = layout::previewLayout(size.first, size.second);
    previewMapping_.setPerspective(layout::previewSourceQuad(), layout::previewTargetQuad(l));
}

void CalibrationPreViewWindowController::UpdatePreView() {
    followScreenSize();
    const PointD raw = prompt_.LightPointRaw();
    const PointF mapped =
        previewMapping_.mapPoint({static_cast<float>(raw.x), static_cast<float>(raw.y)});
    ui_->myPreView->updateCheckAreaLightPoint({mapped.x, mapped.y}, false);
}

void CalibrationPreViewWindowController::CleanPreView() {
    ui_->myPreView->updateCheckAreaLightPoint(prompt_.LightPointRaw(), true);
}

void CalibrationPreViewWindowController::keyUp(WindowKey key) {
    switch (key) {
    case WindowKey::Space:
        // The cursor stays hidden and the mode stays preview until the targets take over.
        close();
        observers_.center().postNotification(names::kCalibrateStart);
        break;
    case WindowKey::Escape:
        close();
        showCursor();
        prompt_.setCurrentStatus(JUXPrompt::kPointerMode);
        observers_.center().postNotification(names::kStopCalibratePreview);
        break;
    }
}

} // namespace eboard
