#include "ui/dialogs/CheckCamPositionWindow.h"

#include "core/layout/DialogLayout.h"
#include "core/notify/Names.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/DialogViews.h"
#include "ui_CheckCamPositionWindow.h"

namespace eboard {

CheckCamPositionWindow::CheckCamPositionWindow()
    : DialogController(AgentWindow::Kind::FullScreen) {}

CheckCamPositionWindow::~CheckCamPositionWindow() = default;

void CheckCamPositionWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::CheckCamPositionWindow>();
    ui_->setupUi(&window);
}

void CheckCamPositionWindow::windowDidLoad() {
    ui_->btn_cancel->initval(0);
    ui_->btn_Sd->initval(1);
    dialogWindow().setKeyHandler([this](WindowKey key) {
        if (key == WindowKey::Escape) {
            close();
            post(names::kStopCheckPosition);
        }
    });
}

void CheckCamPositionWindow::placeButtons() {
    // The buttons are click areas over the picture's own drawn buttons.
    const auto buttons = layout::cameraPositionDialogButtons(ui_->drawView->getLeastDrawPoint());
    placeButton(*ui_->btn_cancel, buttons.type0);
    placeButton(*ui_->btn_Sd, buttons.type1);
}

void CheckCamPositionWindow::setDlgInfo(const QString& yesName, const QString& noName) {
    if (ui_) {
        handOutNames(*ui_->btn_cancel, *ui_->btn_Sd, yesName, noName);
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
