#pragma once

#include "ui/common/DialogController.h"
#include "ui_CheckCamPositionWindow.h"

namespace eboard {

// Shows, over the whole screen, how to move the camera unit for the result screen's hint
// code; offers to go on to a calibration or to cancel. Escape closes it and asks to stop.
class CheckCamPositionWindow : public FormController<Ui::CheckCamPositionWindow> {
public:
    CheckCamPositionWindow();

    CheckCamPositionButton* btn_cancel() const { return outlet(&Form::btn_cancel); }
    CheckCamPositionButton* btn_Sd() const { return outlet(&Form::btn_Sd); }
    CheckCamPositionView* drawView() const { return outlet(&Form::drawView); }

protected:
    void windowDidLoad() override;
    void placeButtons() override;
    AgentWindow::Description windowTexts() const override;
};

} // namespace eboard
