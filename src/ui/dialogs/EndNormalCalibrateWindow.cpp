#include "ui/dialogs/EndNormalCalibrateWindow.h"

#include "core/notify/Names.h"
#include "ui/AppResources.h"

namespace eboard {

EndNormalCalibrateWindow::EndNormalCalibrateWindow()
    : FormController(AgentWindow::Kind::Boxed) {}

void EndNormalCalibrateWindow::windowDidLoad() {
    form().txt_EndNormalCalTitle->setText(localizedString("normalCalibrateFinishTitle"));
    form().txt_EndNormalCalContent_1->setText(localizedString("normalCalibrateFinishContent1"));
    form().txt_EndNormalCalContent_2->setText(localizedString("normalCalibrateFinishContent2"));
    closeOn(names::kNormalCalibrateDone);
}

} // namespace eboard
