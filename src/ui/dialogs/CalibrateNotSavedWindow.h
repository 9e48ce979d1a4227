#pragma once

#include "ui/common/DialogController.h"
#include "ui_CalibrateNotSavedWindow.h"

namespace eboard {

// Tells that a finished calibration could not be stored, why, and that it holds until
// the agent ends; its OK button closes it.
class CalibrateNotSavedWindow : public FormController<Ui::CalibrateNotSavedWindow> {
public:
    CalibrateNotSavedWindow();

    // After showWindow(): the path and the system's reason.
    void setFailure(const QString& failure);

    QLabel* txt_Title() const { return outlet(&Form::txt_Title); }
    QLabel* txt_Content() const { return outlet(&Form::txt_Content); }
    CalibrateNotSavedButton* btn_OK() const { return outlet(&Form::btn_OK); }

protected:
    void windowDidLoad() override;
};

} // namespace eboard
