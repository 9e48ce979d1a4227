#include "ui/dialogs/DeviceDoNotConnectWindow.h"

#include "core/notify/Names.h"
#include "ui/AppResources.h"

namespace eboard {

DeviceDoNotConnectWindow::DeviceDoNotConnectWindow()
    : FormController(AgentWindow::Kind::Boxed) {}

void DeviceDoNotConnectWindow::windowDidLoad() {
    // txt_Title keeps the text its layout gives it.
    form().txt_Content->setText(localizedString("DeviceDidNotConnect"));
    closeOn(names::kDeviceNotConnectDone);
}

} // namespace eboard
