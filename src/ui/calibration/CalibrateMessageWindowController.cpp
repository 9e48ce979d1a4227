#include "ui/calibration/CalibrateMessageWindowController.h"

#include "core/layout/PageTexts.h"
#include "core/layout/ResultLayout.h"
#include "core/notify/Names.h"
#include "core/state/JUXPrompt.h"

namespace eboard {

CalibrateMessageWindowController::CalibrateMessageWindowController()
    : FormController(AgentWindow::Kind::FullScreen, layout::ButtonKind::Text)
    , prompt_(JUXPrompt::getPrompt()) {}

void CalibrateMessageWindowController::windowDidLoad() {
    // Neither the parser's mode nor the cursor changes here, and focus is not kept.
    dialogWindow().setKeyHandler([this](WindowKey key) { keyUp(key); });
    // The advice the page leads to follows the picture it shows, from the first one on.
    recordHintCode();
}

void CalibrateMessageWindowController::setErrorType(std::int32_t areaErr, std::int32_t edgeErr,
                                                    std::int32_t isEdgeMax,
                                                    const std::optional<QString>& yesMessage,
                                                    const std::optional<QString>& noMessage) {
    if (!isLoaded()) {
        return;
    }
    form().drawView->setErrorType(areaErr, edgeErr, isEdgeMax);
    recordHintCode();
    form().btn_close->setButtonInfo(noMessage, form().btn_close->geometry());
    form().btn_Start->setButtonInfo(yesMessage, form().btn_Start->geometry());
    buttonsPlaced_ = true;
    placeButtons();
    describeWindow();
}

AgentWindow::Description CalibrateMessageWindowController::windowTexts() const {
    const CalibrationMessageView& view = *form().drawView;
    return describePage(layout::resultTexts(layout::gradeClassOf(view.AreaErr()), view.hintCode()));
}

void CalibrateMessageWindowController::placeButtons() {
    if (!buttonsPlaced_) {
        return;
    }
    const layout::ResultButtons frames =
        layout::resultButtons(form().drawView->getLeastDrawPoint());
    const double h = prompt_.screenHeight();
    form().btn_close->setGeometry(toQtRect(frames.close, h).toRect());
    form().btn_Start->setGeometry(toQtRect(frames.start, h).toRect());
}

void CalibrateMessageWindowController::recordHintCode() {
    prompt_.setItoScreenErrorType(static_cast<std::int32_t>(form().drawView->hintCode()));
}

void CalibrateMessageWindowController::keyUp(WindowKey key) {
    if (key != WindowKey::Escape) {
        return;
    }
    close();
    post(names::kStopResult);
}

} // namespace eboard
