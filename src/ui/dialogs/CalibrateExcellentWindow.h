#pragma once

#include "ui/common/DialogController.h"
#include "ui_CalibrateExcellentWindow.h"

namespace eboard {

// Tells, over the whole screen, that a diagnosis found the calibration excellent; offers to
// finish or to diagnose again.
class CalibrateExcellentWindow : public FormController<Ui::CalibrateExcellentWindow> {
public:
    CalibrateExcellentWindow();

    CalibrateExcellentButton* btn_RetryDia() const { return outlet(&Form::btn_RetryDia); }
    CalibrateExcellentButton* btn_FinishDia() const { return outlet(&Form::btn_FinishDia); }
    CalibrateExcellentView* drawView() const { return outlet(&Form::drawView); }

protected:
    void windowDidLoad() override {}
    void placeButtons() override;
    AgentWindow::Description windowTexts() const override;
};

} // namespace eboard
