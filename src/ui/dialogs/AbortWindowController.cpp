#include "ui/dialogs/AbortWindowController.h"

#include "core/layout/DialogLayout.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogPainting.h"
#include "ui/dialogs/DialogViews.h"
#include "ui_AbortWindowController.h"

namespace eboard {

AbortWindowController::AbortWindowController() = default;
AbortWindowController::~AbortWindowController() = default;

void AbortWindowController::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::AbortWindowController>();
    ui_->setupUi(&window);
}

void AbortWindowController::windowDidLoad() {
    makeFullScreen();
    // The buttons hang below the content block, flush with its right edge.
    const auto buttons = dialog_layout::stopDialogButtons(ui_->view_Abort->getLeastDrawPoint());
    const double h = ui_->view_Abort->height();
    ui_->btn_AbortNo->setGeometry(toWidgetRect(buttons.type0, h).toRect());
    ui_->btn_AbortYes->setGeometry(toWidgetRect(buttons.type1, h).toRect());
    ui_->btn_AbortNo->initval(0);
    ui_->btn_AbortYes->initval(1);
}

void AbortWindowController::setDlgInfo(int abortType, const QString& yesName,
                                       const QString& noName) {
    if (!ui_) {
        return;
    }
    ui_->view_Abort->setAbortType(abortType);
    handOutNames(ui_->btn_AbortNo, ui_->btn_AbortYes, yesName, noName);
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
