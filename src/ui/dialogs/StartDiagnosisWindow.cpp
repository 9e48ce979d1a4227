#include "ui/dialogs/StartDiagnosisWindow.h"

#include "ui/AppResources.h"

namespace eboard {

StartDiagnosisWindow::StartDiagnosisWindow()
    : FormController(AgentWindow::Kind::Boxed, layout::ButtonKind::StartDiagnosis) {}

void StartDiagnosisWindow::windowDidLoad() {
    form().txt_title->setText(localizedString("completeCalibrateStartTitle"));
    form().txt_content->setText(localizedString("completeCalibrateStart"));
    answerEscapeWith(*form().btn_cancel);
}

} // namespace eboard
