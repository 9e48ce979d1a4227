#include "ui/dialogs/DialogController.h"

#include "core/state/JUXPrompt.h"
#include "ui/common/BoardScreen.h"
#include "ui/dialogs/TwoStateButton.h"

#include <QLayout>

namespace eboard {

DialogController::DialogController(AgentWindow::Kind kind)
    : kind_(kind) {}

DialogController::~DialogController() {
    if (window_) {
        // The window goes later than this controller: nothing of it may call back.
        window_->setKeyHandler({});
        window_->setContentFollower({});
        window_->close();
    }
}

void DialogController::showWindow() {
    if (window_) {
        window_->present();
        return;
    }
    window_.reset(new AgentWindow(kind_));
    loadLayout(*window_);
    if (kind_ == AgentWindow::Kind::FullScreen) {
        // The page is laid out from the board screen's size before it first paints, so
        // the buttons placed from its anchors sit where the drawing puts them.
        window_->setGeometry(boardScreenGeometry());
        if (QLayout* layout = window_->layout()) {
            layout->activate();
        }
    } else {
        // Transparent parts of the backdrop show the desktop behind.
        window_->setAttribute(Qt::WA_TranslucentBackground);
        window_->setFixedSize(window_->size());
    }
    windowDidLoad();
    if (kind_ == AgentWindow::Kind::FullScreen) {
        placeButtons();
        window_->setContentFollower([this] { placeButtons(); });
    }
    window_->present();
}

void DialogController::close() {
    if (window_) {
        window_->close();
    }
}

void DialogController::handOutNames(TwoStateButton& type0, TwoStateButton& type1,
                                    const QString& yesName, const QString& noName) {
    type0.setButtonInfo(noName, type0.geometry());
    type1.setButtonInfo(yesName, type1.geometry());
}

void DialogController::answerEscapeWith(TwoStateButton& button) {
    window_->setKeyHandler([&button](WindowKey key) {
        if (key == WindowKey::Escape) {
            button.answer();
        }
    });
}

void DialogController::placeButton(QWidget& button, const layout::RectD& frame) {
    const QWidget* page = button.parentWidget();
    const layout::RectD r = layout::toTopDown(frame, page != nullptr ? page->height() : 0);
    button.setGeometry(QRectF(r.x, r.y, r.width, r.height).toRect());
}

void DialogController::observe(std::string_view name, std::function<void()> handler) {
    observers_.observe(name, std::move(handler));
}

void DialogController::stopObserving(std::string_view name) {
    observers_.stopObserving(name);
}

void DialogController::post(std::string_view name) {
    observers_.center().postNotification(name);
}

} // namespace eboard
