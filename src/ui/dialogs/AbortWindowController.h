#pragma once

#include "ui/common/DialogController.h"
#include "ui_AbortWindowController.h"

namespace eboard {

// Asks, over the whole screen, whether to leave the running calibration or diagnosis.
class AbortWindowController : public FormController<Ui::AbortWindowController> {
public:
    AbortWindowController();

    // The wording (0 calibration, other diagnosis) and the names the buttons post; call
    // after showWindow().
    void setDlgInfo(int abortType, const QString& yesName, const QString& noName);

    AbortMessageButton* btn_AbortNo() const { return outlet(&Form::btn_AbortNo); }
    AbortMessageButton* btn_AbortYes() const { return outlet(&Form::btn_AbortYes); }
    AbortMessageView* view_Abort() const { return outlet(&Form::view_Abort); }

protected:
    void windowDidLoad() override {}
    void placeButtons() override;
    AgentWindow::Description windowTexts() const override;
};

} // namespace eboard
