#include "ui/dialogs/CheckCamPositionWindow.h"

#include "core/layout/DialogLayout.h"
#include "core/layout/PageTexts.h"
#include "core/notify/Names.h"
#include "core/state/JUXPrompt.h"

namespace eboard {

CheckCamPositionWindow::CheckCamPositionWindow()
    : FormController(AgentWindow::Kind::FullScreen, layout::ButtonKind::CheckCamPosition) {}

void CheckCamPositionWindow::windowDidLoad() {
    dialogWindow().setKeyHandler([this](WindowKey key) {
        if (key == WindowKey::Escape) {
            close();
            post(names::kStopCheckPosition);
        }
    });
}

void CheckCamPositionWindow::placeButtons() {
    // The buttons are click areas over the picture's own drawn buttons.
    const auto buttons = layout::cameraPositionDialogButtons(form().drawView->getLeastDrawPoint());
    placeButton(*form().btn_cancel, buttons.type0);
    placeButton(*form().btn_Sd, buttons.type1);
}

AgentWindow::Description CheckCamPositionWindow::windowTexts() const {
    // The advice the page shows: the one of the result page shown last.
    return describePage(
        layout::adviceTexts(layout::hintCodeOf(JUXPrompt::getPrompt().itoScreenErrorType())));
}

} // namespace eboard
