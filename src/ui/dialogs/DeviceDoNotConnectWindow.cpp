#include "ui/dialogs/DeviceDoNotConnectWindow.h"

#include "core/notify/Names.h"
#include "ui/AppResources.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui_DeviceDoNotConnectWindow.h"

namespace eboard {

DeviceDoNotConnectWindow::DeviceDoNotConnectWindow()
    : DialogController(AgentWindow::Kind::Boxed) {}

DeviceDoNotConnectWindow::~DeviceDoNotConnectWindow() = default;

void DeviceDoNotConnectWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::DeviceDoNotConnectWindow>();
    ui_->setupUi(&window);
}

void DeviceDoNotConnectWindow::windowDidLoad() {
    // txt_Title keeps the text its layout gives it.
    ui_->txt_Content->setText(localizedString("DeviceDidNotConnect"));
    observe(names::kDeviceNotConnectDone, [this] {
        stopObserving(names::kDeviceNotConnectDone);
        close();
    });
}

QLabel* DeviceDoNotConnectWindow::txt_Title() const {
    return ui_ ? ui_->txt_Title : nullptr;
}

QLabel* DeviceDoNotConnectWindow::txt_Content() const {
    return ui_ ? ui_->txt_Content : nullptr;
}

DeviceDoNotConnectButton* DeviceDoNotConnectWindow::btn_OK() const {
    return ui_ ? ui_->btn_OK : nullptr;
}

} // namespace eboard
