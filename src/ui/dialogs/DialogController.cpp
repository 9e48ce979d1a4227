#include "ui/dialogs/DialogController.h"

#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "ui/dialogs/TwoStateButton.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>

namespace eboard {

DialogWindow::DialogWindow(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    event->ignore();
}

void DialogWindow::keyReleaseEvent(QKeyEvent* event) {
    const auto key = static_cast<Qt::Key>(event->key());
    if (event->isAutoRepeat() || (key != Qt::Key_Escape && key != Qt::Key_Space)) {
        event->ignore();
        return;
    }
    event->accept();
    if (keyHandler_) {
        keyHandler_(key);
    }
}

DialogController::~DialogController() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void DialogController::showWindow() {
    if (!window_) {
        window_ = std::make_unique<DialogWindow>();
        loadLayout(*window_);
        windowDidLoad();
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
}

void DialogController::close() {
    if (window_) {
        window_->close();
    }
}

void DialogController::handOutNames(TwoStateButton* type0, TwoStateButton* type1,
                                    const QString& yesName, const QString& noName) {
    if (type0 == nullptr || type1 == nullptr) {
        return;
    }
    type0->setButtonInfo(noName, type0->geometry());
    type1->setButtonInfo(yesName, type1->geometry());
}

void DialogController::observe(const char* name, std::function<void()> handler) {
    NotificationCenter::defaultCenter().addObserver(this, name, std::move(handler));
}

void DialogController::stopObserving(const char* name) {
    NotificationCenter::defaultCenter().removeObserver(this, name);
}

void DialogController::makeFullScreen() {
    window_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    QPoint origin;
    if (QScreen* screen = dialogScreen()) {
        origin = screen->geometry().topLeft();
    }
    window_->setGeometry(QRect(origin, QSize(prompt.screenWidth(), prompt.screenHeight())));
    // The page's children are placed from the window's size: size them now, not at show.
    if (QLayout* layout = window_->layout()) {
        layout->activate();
    }
}

void DialogController::makeBoxed() {
    window_->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                            Qt::NoDropShadowWindowHint);
    window_->setAttribute(Qt::WA_TranslucentBackground);
    if (QScreen* screen = dialogScreen()) {
        QRect frame(QPoint(), window_->size());
        frame.moveCenter(screen->geometry().center());
        window_->move(frame.topLeft());
    }
}

QScreen* dialogScreen() {
    return QGuiApplication::primaryScreen();
}

} // namespace eboard
