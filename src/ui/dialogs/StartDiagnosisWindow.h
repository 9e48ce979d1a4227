#pragma once

#include "ui/common/DialogController.h"
#include "ui_StartDiagnosisWindow.h"

namespace eboard {

// Asks whether to start a diagnosis; Escape answers no.
class StartDiagnosisWindow : public FormController<Ui::StartDiagnosisWindow> {
public:
    StartDiagnosisWindow();

    QLabel* txt_title() const { return outlet(&Form::txt_title); }
    QLabel* txt_content() const { return outlet(&Form::txt_content); }
    StartDiagnosisButton* btn_start() const { return outlet(&Form::btn_start); }
    StartDiagnosisButton* btn_cancel() const { return outlet(&Form::btn_cancel); }

protected:
    void windowDidLoad() override;
};

} // namespace eboard
