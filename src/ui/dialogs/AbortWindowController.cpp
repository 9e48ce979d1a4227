#include "ui/dialogs/AbortWindowController.h"

#include "core/layout/DialogLayout.h"
#include "core/layout/PageTexts.h"

namespace eboard {

AbortWindowController::AbortWindowController()
    : FormController(AgentWindow::Kind::FullScreen, layout::ButtonKind::AbortMessage) {}

void AbortWindowController::placeButtons() {
    // The buttons hang below the content block, flush with its right edge.
    const auto buttons = layout::stopDialogButtons(form().view_Abort->getLeastDrawPoint());
    placeButton(*form().btn_AbortNo, buttons.type0);
    placeButton(*form().btn_AbortYes, buttons.type1);
}

void AbortWindowController::setDlgInfo(int abortType, const QString& yesName,
                                       const QString& noName) {
    if (!isLoaded()) {
        return;
    }
    form().view_Abort->setAbortType(abortType);
    DialogController::setDlgInfo(yesName, noName);
    describeWindow();
}

AgentWindow::Description AbortWindowController::windowTexts() const {
    return describePage(layout::stopTexts(form().view_Abort->AbortViewType()));
}

} // namespace eboard
