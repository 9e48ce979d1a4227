#include "ui/dialogs/CalibrateNotSavedWindow.h"

#include "core/notify/Names.h"
#include "ui/AppResources.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui_CalibrateNotSavedWindow.h"

namespace eboard {

CalibrateNotSavedWindow::CalibrateNotSavedWindow()
    : DialogController(AgentWindow::Kind::Boxed) {}

CalibrateNotSavedWindow::~CalibrateNotSavedWindow() = default;

void CalibrateNotSavedWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::CalibrateNotSavedWindow>();
    ui_->setupUi(&window);
}

void CalibrateNotSavedWindow::windowDidLoad() {
    ui_->txt_Title->setText(localizedString("CalibrateNotSavedTitle"));
    setFailure(QString());
    observe(names::kCalibrateNotSavedDone, [this] {
        stopObserving(names::kCalibrateNotSavedDone);
        close();
    });
}

void CalibrateNotSavedWindow::setFailure(const QString& failure) {
    if (!ui_) {
        return;
    }
    // A table without the entry shows the key; the reason still follows it.
    QString text = localizedString("CalibrateNotSaved");
    if (!text.contains(QLatin1String("%1"))) {
        text += QLatin1String(" %1");
    }
    ui_->txt_Content->setText(text.arg(failure));
}

QLabel* CalibrateNotSavedWindow::txt_Title() const {
    return ui_ ? ui_->txt_Title : nullptr;
}

QLabel* CalibrateNotSavedWindow::txt_Content() const {
    return ui_ ? ui_->txt_Content : nullptr;
}

CalibrateNotSavedButton* CalibrateNotSavedWindow::btn_OK() const {
    return ui_ ? ui_->btn_OK : nullptr;
}

} // namespace eboard
