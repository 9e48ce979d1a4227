#pragma once

#include "ui/common/DialogController.h"
#include "ui_EndNormalCalibratePoorWindow.h"

namespace eboard {

// Tells that a normal calibration came out poor; offers a diagnosis or to finish.
class EndNormalCalibratePoorWindow : public FormController<Ui::EndNormalCalibratePoorWindow> {
public:
    EndNormalCalibratePoorWindow();

    QLabel* txt_EndTitle() const { return outlet(&Form::txt_EndTitle); }
    QLabel* txt_EndContent1() const { return outlet(&Form::txt_EndContent1); }
    QLabel* txt_EndContent2() const { return outlet(&Form::txt_EndContent2); }
    PoorEndNormalCalBtn* btn_End_StartDia() const { return outlet(&Form::btn_End_StartDia); }
    PoorEndNormalCalBtn* btn_End_FinishCal() const { return outlet(&Form::btn_End_FinishCal); }

protected:
    void windowDidLoad() override;
};

} // namespace eboard
