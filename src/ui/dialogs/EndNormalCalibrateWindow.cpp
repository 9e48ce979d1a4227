#include "ui/dialogs/EndNormalCalibrateWindow.h"

#include "core/notify/Names.h"
#include "ui/AppResources.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui_EndNormalCalibrateWindow.h"

namespace eboard {

EndNormalCalibrateWindow::EndNormalCalibrateWindow()
    : DialogController(AgentWindow::Kind::Boxed) {}

EndNormalCalibrateWindow::~EndNormalCalibrateWindow() = default;

void EndNormalCalibrateWindow::loadLayout(QWidget& window) {
    ui_ = std::make_unique<Ui::EndNormalCalibrateWindow>();
    ui_->setupUi(&window);
}

void EndNormalCalibrateWindow::windowDidLoad() {
    ui_->txt_EndNormalCalTitle->setText(localizedString("normalCalibrateFinishTitle"));
    ui_->txt_EndNormalCalContent_1->setText(localizedString("normalCalibrateFinishContent1"));
    ui_->txt_EndNormalCalContent_2->setText(localizedString("normalCalibrateFinishContent2"));
    observe(names::kNormalCalibrateDone, [this] {
        stopObserving(names::kNormalCalibrateDone);
        close();
    });
}

QLabel* EndNormalCalibrateWindow::txt_EndNormalCalTitle() const {
    return ui_ ? ui_->txt_EndNormalCalTitle : nullptr;
}

QLabel* EndNormalCalibrateWindow::txt_EndNormalCalContent_1() const {
    return ui_ ? ui_->txt_EndNormalCalContent_1 : nullptr;
}

QLabel* EndNormalCalibrateWindow::txt_EndNormalCalContent_2() const {
    return ui_ ? ui_->txt_EndNormalCalContent_2 : nullptr;
}

EndNormalCalibrateButton* EndNormalCalibrateWindow::btn_EndNormalCal_OK() const {
    return ui_ ? ui_->btn_EndNormalCal_OK : nullptr;
}

} // namespace eboard
