#include "ui/dialogs/CheckCamPositionWindow.h"

#include "core/layout/DialogLayout.h"
#include "core/notify/NotificationCenter.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogPainting.h"
#include "ui/dialogs/DialogViews.h"
#include "ui_CheckCamPositionWindow.h"

namespace eboard {

CheckCamPositionWindow::CheckCamPositionWindow() = default;
CheckCamPositionWindow::~CheckCamPositionWindow() = default;

void CheckCamPositionWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::CheckCamPositionWindow>();
    ui_->setupUi(&window);
}

void CheckCamPositionWindow::windowDidLoad() {
    makeFullScreen();
    ui_->btn_cancel->initval(0);
    ui_->btn_Sd->initval(1);
    // The buttons are click areas over the picture's own drawn buttons.
    const auto buttons =
        dialog_layout::cameraPositionDialogButtons(ui_->drawView->getLeastDrawPoint());
    const double h = ui_->drawView->height();
    ui_->btn_cancel->setGeometry(toWidgetRect(buttons.type0, h).toRect());
    ui_->btn_Sd->setGeometry(toWidgetRect(buttons.type1, h).toRect());
    dialogWindow().setKeyHandler([this](Qt::Key key) {
        if (key == Qt::Key_Escape) {
            close();
            NotificationCenter::defaultCenter().postNotification("StopCheckPosition");
        }
    });
}

void CheckCamPositionWindow::setDlgInfo(const QString& yesName, const QString& noName) {
    if (ui_) {
        handOutNames(ui_->btn_cancel, ui_->btn_Sd, yesName, noName);
    }
}

CheckCamPositionButton* CheckCamPositionWindow::btn_cancel() const {
    return ui_ ? ui_->btn_cancel : nullptr;
}

CheckCamPositionButton* CheckCamPositionWindow::btn_Sd() const {
    return ui_ ? ui_->btn_Sd : nullptr;
}

CheckCamPositionView* CheckCamPositionWindow::drawView() const {
    return ui_ ? ui_->drawView : nullptr;
}

} // namespace eboard
