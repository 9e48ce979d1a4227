#pragma once

#include "ui/common/DialogController.h"
#include "ui_CalibrateWindowController.h"

namespace eboard {

class JUXPrompt;

// The four-point target screen: takes one raw light point per crosshair from
// "UpdateCalibrate", closes itself after the fourth ("CalibrateCaptured"), and posts
// "StopCalibrate" on Escape. Created afresh for every run; destroying it ends its
// observations.
class CalibrateWindowController : public FormController<Ui::CalibrateWindowController> {
public:
    CalibrateWindowController();

    CalibrateView* calibrate_view() const { return outlet(&Form::calibrate_view); }

    void UpdateCalibrate();
    void keyUp(WindowKey key);

protected:
    void windowDidLoad() override;
    AgentWindow::Description windowTexts() const override;

private:
    JUXPrompt& prompt_;
};

} // namespace eboard
