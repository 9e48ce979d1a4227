#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include "ui/AppResources.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui_StartNormalCalibrateDlg.h"

namespace eboard {

StartNormalCalibrateDlg::StartNormalCalibrateDlg()
    : DialogController(AgentWindow::Kind::Boxed) {}

StartNormalCalibrateDlg::~StartNormalCalibrateDlg() = default;

void StartNormalCalibrateDlg::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::StartNormalCalibrateDlg>();
    ui_->setupUi(&window);
}

void StartNormalCalibrateDlg::windowDidLoad() {
    ui_->txt_contentText->setText(localizedString("normalCalibrateStart"));
    ui_->txt_title->setText(localizedString("normalCalibrateStartTitle"));
    ui_->btn_NO->initval(0);
    ui_->btn_YES->initval(1);
    answerEscapeWith(*ui_->btn_NO);
}

void StartNormalCalibrateDlg::setDlgInfo(const QString& yesName, const QString& noName) {
    if (ui_) {
        handOutNames(*ui_->btn_NO, *ui_->btn_YES, yesName, noName);
    }
}

QLabel* StartNormalCalibrateDlg::txt_contentText() const {
    return ui_ ? ui_->txt_contentText : nullptr;
}

QLabel* StartNormalCalibrateDlg::txt_title() const {
    return ui_ ? ui_->txt_title : nullptr;
}

StartNormalCalibrateButton* StartNormalCalibrateDlg::btn_NO() const {
    return ui_ ? ui_->btn_NO : nullptr;
}

StartNormalCalibrateButton* StartNormalCalibrateDlg::btn_YES() const {
    return ui_ ? ui_->btn_YES : nullptr;
}

} // namespace eboard
