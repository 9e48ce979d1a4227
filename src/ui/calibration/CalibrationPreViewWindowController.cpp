#include "ui/calibration/CalibrationPreViewWindowController.h"

#include "core/layout/PageTexts.h"
#include "core/layout/PreviewLayout.h"
#include "core/notify/Names.h"
#include "core/state/JUXPrompt.h"
#include "ui/common/CursorHiding.h"

namespace eboard {

CalibrationPreViewWindowController::CalibrationPreViewWindowController()
    : FormController(AgentWindow::Kind::FullScreen)
    , prompt_(JUXPrompt::getPrompt()) {}

void CalibrationPreViewWindowController::windowDidLoad() {
    // Frameless, above everything, covering the board screen, with the keyboard.
    dialogWindow().setKeyHandler([this](WindowKey key) { keyUp(key); });
    observe(names::kUpdatePreView, [this] { UpdatePreView(); });
    observe(names::kCleanPreView, [this] { CleanPreView(); });
    followScreenSize();
    form().myPreView->initVariable();
    prompt_.setCurrentStatus(JUXPrompt::kPreviewMode);
    hideCursor();
    dialogWindow().setKeepsFocus(true);
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

AgentWindow::Description CalibrationPreViewWindowController::windowTexts() const {
    return describePage(layout::kPreviewTexts);
}

void CalibrationPreViewWindowController::UpdatePreView() {
    followScreenSize();
    const PointD raw = prompt_.LightPointRaw();
    const PointF mapped =
        previewMapping_.mapPoint({static_cast<float>(raw.x), static_cast<float>(raw.y)});
    form().myPreView->updateCheckAreaLightPoint({mapped.x, mapped.y}, false);
}

void CalibrationPreViewWindowController::CleanPreView() {
    form().myPreView->updateCheckAreaLightPoint(prompt_.LightPointRaw(), true);
}

void CalibrationPreViewWindowController::keyUp(WindowKey key) {
    switch (key) {
    case WindowKey::Space:
        // The cursor stays hidden and the mode stays preview until the targets take over.
        close();
        post(names::kCalibrateStart);
        break;
    case WindowKey::Escape:
        close();
        showCursor();
        prompt_.setCurrentStatus(JUXPrompt::kPointerMode);
        post(names::kStopCalibratePreview);
        break;
    }
}

} // namespace eboard
