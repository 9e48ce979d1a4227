#pragma once

#include "ui/common/DialogController.h"
#include "ui_DeviceDoNotConnectWindow.h"

namespace eboard {

// Tells that no camera unit is connected; its OK button closes it.
class DeviceDoNotConnectWindow : public FormController<Ui::DeviceDoNotConnectWindow> {
public:
    DeviceDoNotConnectWindow();

    QLabel* txt_Title() const { return outlet(&Form::txt_Title); }
    QLabel* txt_Content() const { return outlet(&Form::txt_Content); }
    DeviceDoNotConnectButton* btn_OK() const { return outlet(&Form::btn_OK); }

protected:
    void windowDidLoad() override;
};

} // namespace eboard
