#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include "ui/AppResources.h"

namespace eboard {

StartNormalCalibrateDlg::StartNormalCalibrateDlg()
    : FormController(AgentWindow::Kind::Boxed, layout::ButtonKind::StartNormalCalibrate) {}

void StartNormalCalibrateDlg::windowDidLoad() {
    form().txt_contentText->setText(localizedString("normalCalibrateStart"));
    form().txt_title->setText(localizedString("normalCalibrateStartTitle"));
    answerEscapeWith(*form().btn_NO);
}

} // namespace eboard
