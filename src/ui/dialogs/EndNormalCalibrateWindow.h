#pragma once

#include "ui/common/DialogController.h"
#include "ui_EndNormalCalibrateWindow.h"

namespace eboard {

// Tells that a normal calibration came out good; its OK button closes it.
class EndNormalCalibrateWindow : public FormController<Ui::EndNormalCalibrateWindow> {
public:
    EndNormalCalibrateWindow();

    QLabel* txt_EndNormalCalTitle() const { return outlet(&Form::txt_EndNormalCalTitle); }
    QLabel* txt_EndNormalCalContent_1() const { return outlet(&Form::txt_EndNormalCalContent_1); }
    QLabel* txt_EndNormalCalContent_2() const { return outlet(&Form::txt_EndNormalCalContent_2); }
    EndNormalCalibrateButton* btn_EndNormalCal_OK() const {
        return outlet(&Form::btn_EndNormalCal_OK);
    }

protected:
    void windowDidLoad() override;
};

} // namespace eboard
