#include "ui/dialogs/CalibrateNotSavedWindow.h"

#include "core/notify/Names.h"
#include "ui/AppResources.h"

namespace eboard {

CalibrateNotSavedWindow::CalibrateNotSavedWindow()
    : FormController(AgentWindow::Kind::Boxed) {}

void CalibrateNotSavedWindow::windowDidLoad() {
    form().txt_Title->setText(localizedString("CalibrateNotSavedTitle"));
    setFailure(QString());
    closeOn(names::kCalibrateNotSavedDone);
}

void CalibrateNotSavedWindow::setFailure(const QString& failure) {
    if (!isLoaded()) {
        return;
    }
    // A table without the entry shows the key; the reason still follows it.
    QString text = localizedString("CalibrateNotSaved");
    if (!text.contains(QLatin1String("%1"))) {
        text += QLatin1String(" %1");
    }
    form().txt_Content->setText(text.arg(failure));
    describeWindow();
}

} // namespace eboard
