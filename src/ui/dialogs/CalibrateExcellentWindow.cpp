#include "ui/dialogs/CalibrateExcellentWindow.h"

#include "core/layout/DialogLayout.h"
#include "core/layout/PageTexts.h"

namespace eboard {

CalibrateExcellentWindow::CalibrateExcellentWindow()
    : FormController(AgentWindow::Kind::FullScreen, layout::ButtonKind::CalibrateExcellent) {}

void CalibrateExcellentWindow::placeButtons() {
    // The buttons are click areas over the picture's own drawn buttons.
    const auto buttons = layout::excellentDialogButtons(form().drawView->getLeastDrawPoint());
    placeButton(*form().btn_RetryDia, buttons.type0);
    placeButton(*form().btn_FinishDia, buttons.type1);
}

AgentWindow::Description CalibrateExcellentWindow::windowTexts() const {
    return describePage(layout::excellentTexts());
}

} // namespace eboard
