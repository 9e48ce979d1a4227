#include "ui/dialogs/CalibrateExcellentWindow.h"

#include "core/layout/DialogLayout.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogPainting.h"
#include "ui/dialogs/DialogViews.h"
#include "ui_CalibrateExcellentWindow.h"

namespace eboard {

CalibrateExcellentWindow::CalibrateExcellentWindow() = default;
CalibrateExcellentWindow::~CalibrateExcellentWindow() = default;

void CalibrateExcellentWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::CalibrateExcellentWindow>();
    ui_->setupUi(&window);
}

void CalibrateExcellentWindow::windowDidLoad() {
    makeFullScreen();
    ui_->btn_RetryDia->initval(0);
    ui_->btn_FinishDia->initval(1);
    // The buttons are click areas over the picture's own drawn buttons.
    const auto buttons = dialog_layout::excellentDialogButtons(ui_->drawView->getLeastDrawPoint());
    const double h = ui_->drawView->height();
    ui_->btn_RetryDia->setGeometry(toWidgetRect(buttons.type0, h).toRect());
    ui_->btn_FinishDia->setGeometry(toWidgetRect(buttons.type1, h).toRect());
}

void CalibrateExcellentWindow::setDlgInfo(const QString& yesName, const QString& noName) {
    if (ui_) {
        handOutNames(ui_->btn_RetryDia, ui_->btn_FinishDia, yesName, noName);
    }
}

CalibrateExcellentButton* CalibrateExcellentWindow::btn_RetryDia() const {
    return ui_ ? ui_->btn_RetryDia : nullptr;
}

CalibrateExcellentButton* CalibrateExcellentWindow::btn_FinishDia() const {
    return ui_ ? ui_->btn_FinishDia : nullptr;
}

CalibrateExcellentView* CalibrateExcellentWindow::drawView() const {
    return ui_ ? ui_->drawView : nullptr;
}

} // namespace eboard
