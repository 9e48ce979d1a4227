#include "ui/calibration/CalibrateMessageWindowController.h"

#include "core/layout/ResultLayout.h"
#include "core/notify/Names.h"
#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "ui/calibration/CalibrationMessageView.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui_CalibrateMessageWindowController.h"

namespace eboard {

namespace {
QRect toWidgetRect(const layout::RectD& rect, double viewHeight) {
    const layout::RectD r = layout::toTopDown(rect, viewHeight);
    return QRectF(r.x, r.y, r.width, r.height).toRect();
}
} // namespace

CalibrateMessageWindowController::CalibrateMessageWindowController()
    : prompt_(JUXPrompt::getPrompt()) {}

CalibrateMessageWindowController::~CalibrateMessageWindowController() {
    if (window_) {
        window_->setKeyHandler({});
        window_->setContentFollower({});
        window_->close();
    }
}

CalibrationMessageView* CalibrateMessageWindowController::drawView() const {
    return ui_ ? ui_->drawView : nullptr;
}
TextButton* CalibrateMessageWindowController::btn_close() const {
    return ui_ ? ui_->btn_close : nullptr;
}
TextButton* CalibrateMessageWindowController::btn_Start() const {
    return ui_ ? ui_->btn_Start : nullptr;
}

void CalibrateMessageWindowController::showWindow() {
    if (window_) {
        window_->present();
        return;
    }
    window_.reset(new AgentWindow(AgentWindow::Kind::FullScreen));
    ui_ = std::make_unique<Ui::CalibrateMessageWindowController>();
    ui_->setupUi(window_.get());
    windowDidLoad();
}

void CalibrateMessageWindowController::windowDidLoad() {
    // Neither the parser's mode nor the cursor changes here, and focus is not kept.
    window_->setKeyHandler([this](WindowKey key) { keyUp(key); });
    // The picture recentres on a board screen of another size: its buttons go with it.
    window_->setContentFollower([this] {
        if (buttonsPlaced_) {
            placeButtons();
        }
    });
    window_->present();
    // What the first draw would record: the default picture's code and the anchor.
    ui_->drawView->recordHintCode();
    ui_->drawView->getLeastDrawPoint();
    ui_->btn_close->initval(0);
    ui_->btn_Start->initval(1);
}

void CalibrateMessageWindowController::close() {
    if (window_) {
        window_->close();
    }
}

void CalibrateMessageWindowController::setErrorType(std::int32_t areaErr, std::int32_t edgeErr,
                                                    std::int32_t isEdgeMax,
                                                    const std::optional<QString>& yesMessage,
                                                    const std::optional<QString>& noMessage) {
    if (!ui_) {
        return;
    }
    ui_->drawView->setErrorType(areaErr, edgeErr, isEdgeMax);
    ui_->btn_close->setButtonInfo(noMessage, ui_->btn_close->geometry());
    ui_->btn_Start->setButtonInfo(yesMessage, ui_->btn_Start->geometry());
    placeButtons();
    buttonsPlaced_ = true;
}

void CalibrateMessageWindowController::placeButtons() {
    const layout::ResultButtons frames = layout::resultButtons(ui_->drawView->getLeastDrawPoint());
    const double h = prompt_.screenHeight();
    ui_->btn_close->setGeometry(toWidgetRect(frames.close, h));
    ui_->btn_Start->setGeometry(toWidgetRect(frames.start, h));
}

void CalibrateMessageWindowController::keyUp(WindowKey key) {
    if (key != WindowKey::Escape) {
        return;
    }
    close();
    NotificationCenter::defaultCenter().postNotification(names::kStopResult);
}

} // namespace eboard
