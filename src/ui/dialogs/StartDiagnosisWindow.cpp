#include "ui/dialogs/StartDiagnosisWindow.h"

#include "ui/AppResources.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui_StartDiagnosisWindow.h"

namespace eboard {

StartDiagnosisWindow::StartDiagnosisWindow()
    : DialogController(AgentWindow::Kind::Boxed) {}

StartDiagnosisWindow::~StartDiagnosisWindow() = default;

void StartDiagnosisWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::StartDiagnosisWindow>();
    ui_->setupUi(&window);
}

void StartDiagnosisWindow::windowDidLoad() {
    ui_->txt_title->setText(localizedString("completeCalibrateStartTitle"));
    ui_->txt_content->setText(localizedString("completeCalibrateStart"));
    ui_->btn_cancel->initval(0);
    ui_->btn_start->initval(1);
    answerEscapeWith(*ui_->btn_cancel);
}

void StartDiagnosisWindow::setDlgInfo(const QString& yesName, const QString& noName) {
    if (ui_) {
        handOutNames(*ui_->btn_cancel, *ui_->btn_start, yesName, noName);
    }
}

QLabel* StartDiagnosisWindow::txt_title() const {
    return ui_ ? ui_->txt_title : nullptr;
}

QLabel* StartDiagnosisWindow::txt_content() const {
    return ui_ ? ui_->txt_content : nullptr;
}

StartDiagnosisButton* StartDiagnosisWindow::btn_start() const {
    return ui_ ? ui_->btn_start : nullptr;
}

StartDiagnosisButton* StartDiagnosisWindow::btn_cancel() const {
    return ui_ ? ui_->btn_cancel : nullptr;
}

} // namespace eboard
