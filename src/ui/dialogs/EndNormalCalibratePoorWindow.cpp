#include "ui/dialogs/EndNormalCalibratePoorWindow.h"

#include "ui/AppResources.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui_EndNormalCalibratePoorWindow.h"

namespace eboard {

EndNormalCalibratePoorWindow::EndNormalCalibratePoorWindow()
    : DialogController(AgentWindow::Kind::Boxed) {}

EndNormalCalibratePoorWindow::~EndNormalCalibratePoorWindow() = default;

void EndNormalCalibratePoorWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::EndNormalCalibratePoorWindow>();
    ui_->setupUi(&window);
}

void EndNormalCalibratePoorWindow::windowDidLoad() {
    ui_->txt_EndTitle->setText(localizedString("normalCalibrateFinishTitle"));
    ui_->txt_EndContent1->setText(localizedString("normalCalibrateFinishPoorContent1"));
    ui_->txt_EndContent2->setText(localizedString("normalCalibrateFinishPoorContent2"));
    ui_->btn_End_FinishCal->initval(0);
    ui_->btn_End_StartDia->initval(1);
}

void EndNormalCalibratePoorWindow::setDlgInfo(const QString& yesName, const QString& noName) {
    if (ui_) {
        handOutNames(*ui_->btn_End_FinishCal, *ui_->btn_End_StartDia, yesName, noName);
    }
}

QLabel* EndNormalCalibratePoorWindow::txt_EndTitle() const {
    return ui_ ? ui_->txt_EndTitle : nullptr;
}

QLabel* EndNormalCalibratePoorWindow::txt_EndContent1() const {
    return ui_ ? ui_->txt_EndContent1 : nullptr;
}

QLabel* EndNormalCalibratePoorWindow::txt_EndContent2() const {
    return ui_ ? ui_->txt_EndContent2 : nullptr;
}

PoorEndNormalCalBtn* EndNormalCalibratePoorWindow::btn_End_StartDia() const {
    return ui_ ? ui_->btn_End_StartDia : nullptr;
}

PoorEndNormalCalBtn* EndNormalCalibratePoorWindow::btn_End_FinishCal() const {
    return ui_ ? ui_->btn_End_FinishCal : nullptr;
}

} // namespace eboard
