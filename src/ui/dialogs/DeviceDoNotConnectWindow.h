#pragma once

#include "ui/dialogs/DialogController.h"

#include <QString>
#include <memory>

class QLabel;

namespace Ui {
class DeviceDoNotConnectWindow;
}

namespace eboard {

class DeviceDoNotConnectButton;

// Tells that no camera unit is connected; its OK button closes it.
class DeviceDoNotConnectWindow : public DialogController {
public:
    DeviceDoNotConnectWindow();
    ~DeviceDoNotConnectWindow() override;

    // Outlets; null until showWindow().
    QLabel* txt_Title() const;
    QLabel* txt_Content() const;
    DeviceDoNotConnectButton* btn_OK() const;

protected:
    void loadLayout(QWidget& window) override;
    void windowDidLoad() override;

private:
    std::unique_ptr<Ui::DeviceDoNotConnectWindow> ui_;
};

} // namespace eboard
