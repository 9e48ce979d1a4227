#pragma once

#include "ui/common/DialogController.h"
#include "ui_StartNormalCalibrateDlg.h"

namespace eboard {

// Asks whether to start a normal calibration; Escape answers no.
class StartNormalCalibrateDlg : public FormController<Ui::StartNormalCalibrateDlg> {
public:
    StartNormalCalibrateDlg();

    QLabel* txt_contentText() const { return outlet(&Form::txt_contentText); }
    QLabel* txt_title() const { return outlet(&Form::txt_title); }
    StartNormalCalibrateButton* btn_NO() const { return outlet(&Form::btn_NO); }
    StartNormalCalibrateButton* btn_YES() const { return outlet(&Form::btn_YES); }

protected:
    void windowDidLoad() override;
};

} // namespace eboard
