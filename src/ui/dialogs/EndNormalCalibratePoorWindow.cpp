#include "ui/dialogs/EndNormalCalibratePoorWindow.h"

#include "ui/AppResources.h"

namespace eboard {

EndNormalCalibratePoorWindow::EndNormalCalibratePoorWindow()
    : FormController(AgentWindow::Kind::Boxed, layout::ButtonKind::PoorEndNormalCal) {}

void EndNormalCalibratePoorWindow::windowDidLoad() {
    form().txt_EndTitle->setText(localizedString("normalCalibrateFinishTitle"));
    form().txt_EndContent1->setText(localizedString("normalCalibrateFinishPoorContent1"));
    form().txt_EndContent2->setText(localizedString("normalCalibrateFinishPoorContent2"));
}

} // namespace eboard
