#include "ui/common/AgentWindow.h"

#include "ui/AppResources.h"
#include "ui/common/BoardScreen.h"
#include "ui/common/WindowKeeper.h"
#include "ui/common/X11Windows.h"

#include <QKeyEvent>
#include <QPainter>

namespace eboard {

AgentWindow::AgentWindow(Kind kind)
    : kind_(kind) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
}

AgentWindow::~AgentWindow() {
    WindowKeeper::instance().closed(this);
}

void AgentWindow::setBackdrop(const QString& pictureName) {
    backdrop_ = loadPicture(pictureName);
    setAttribute(Qt::WA_TranslucentBackground);
    update();
}

void AgentWindow::present() {
    const QRect board = boardScreenGeometry();
    if (kind_ == Kind::FullScreen) {
        // Placed explicitly: without a window manager a full-screen request leaves the
        // window at its default size.
        setGeometry(board);
    } else {
        move(board.center() - QPoint(width() / 2, height() / 2));
    }
    show();
    reclaimFocus();
}

void AgentWindow::reclaimFocus() {
    raise();
    activateWindow();
    x11::setInputFocus(*this);
}

void AgentWindow::keyReleaseEvent(QKeyEvent* event) {
    const std::optional<WindowKey> key = releasedWindowKey(*event);
    if (!key) {
        event->ignore();
        return;
    }
    event->accept();
    if (keyHandler_) {
        // The handler may close and replace this window: keep no state after it.
        const std::function<void(WindowKey)> handler = keyHandler_;
        handler(*key);
    }
}

void AgentWindow::paintEvent(QPaintEvent* /*event*/) {
    if (backdrop_.isNull()) {
        return;
    }
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(rect(), backdrop_, backdrop_.rect());
}

void AgentWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    x11::watchVisibility(*this);
    WindowKeeper::instance().opened(this);
}

void AgentWindow::hideEvent(QHideEvent* event) {
    WindowKeeper::instance().closed(this);
    QWidget::hideEvent(event);
}

} // namespace eboard
