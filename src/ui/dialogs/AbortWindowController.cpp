#include "ui/dialogs/AbortWindowController.h"

#include "core/layout/DialogLayout.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogViews.h"
#include "ui_AbortWindowController.h"

namespace eboard {

AbortWindowController::AbortWindowController()
    : DialogController(AgentWindow::Kind::FullScreen) {}

AbortWindowController::~AbortWindowController() = default;

void AbortWindowController::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::AbortWindowController>();
    ui_->setupUi(&window);
}

void AbortWindowController::windowDidLoad() {
    ui_->btn_AbortNo->initval(0);
    ui_->btn_AbortYes->initval(1);
}

void AbortWindowController::placeButtons() {
    // The buttons hang below the content block, flush with its right edge.
    const auto buttons = layout::stopDialogButtons(ui_->view_Abort->getLeastDrawPoint());
    placeButton(*ui_->btn_AbortNo, buttons.type0);
    placeButton(*ui_->btn_AbortYes, buttons.type1);
}

void AbortWindowController::setDlgInfo(int abortType, const QString& yesName,
                                       const QString& noName) {
    if (!ui_) {
        return;
    }
    ui_->view_Abort->setAbortType(abortType);
    handOutNames(*ui_->btn_AbortNo, *ui_->btn_AbortYes, yesName, noName);
}

AbortMessageButton* AbortWindowController::btn_AbortNo() const {
    return ui_ ? ui_->btn_AbortNo : nullptr;
}

AbortMessageButton* AbortWindowController::btn_AbortYes() const {
    return ui_ ? ui_->btn_AbortYes : nullptr;
}

AbortMessageView* AbortWindowController::view_Abort() const {
    return ui_ ? ui_->view_Abort : nullptr;
}

} // namespace eboard
