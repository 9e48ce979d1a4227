#include "ui/dialogs/CalibrateExcellentWindow.h"

#include "core/layout/DialogLayout.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogViews.h"
#include "ui_CalibrateExcellentWindow.h"

namespace eboard {

CalibrateExcellentWindow::CalibrateExcellentWindow()
    : DialogController(AgentWindow::Kind::FullScreen) {}

CalibrateExcellentWindow::~CalibrateExcellentWindow() = default;

void CalibrateExcellentWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::CalibrateExcellentWindow>();
    ui_->setupUi(&window);
}

void CalibrateExcellentWindow::windowDidLoad() {
    ui_->btn_RetryDia->initval(0);
    ui_->btn_FinishDia->initval(1);
}

void CalibrateExcellentWindow::placeButtons() {
    // The buttons are click areas over the picture's own drawn buttons.
    const auto buttons = layout::excellentDialogButtons(ui_->drawView->getLeastDrawPoint());
    placeButton(*ui_->btn_RetryDia, buttons.type0);
    placeButton(*ui_->btn_FinishDia, buttons.type1);
}

void CalibrateExcellentWindow::setDlgInfo(const QString& yesName, const QString& noName) {
    if (ui_) {
        handOutNames(*ui_->btn_RetryDia, *ui_->btn_FinishDia, yesName, noName);
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
