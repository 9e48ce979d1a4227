#include "ui/common/AgentWindow.h"

#include "ui/AppResources.h"
#include "ui/common/BoardScreen.h"
#include "ui/common/WindowKeeper.h"
#include "ui/common/X11Windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPixmapCache>
#include <utility>

namespace eboard {

namespace {
// An auto-repeated press follows its release within the same server batch.
constexpr int kRepeatPairMs = 40;
} // namespace

AgentWindow::AgentWindow(Kind kind)
    : kind_(kind) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                   Qt::NoDropShadowWindowHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    setFocusPolicy(Qt::StrongFocus);
    pendingTimer_.setSingleShot(true);
    pendingTimer_.setInterval(kRepeatPairMs);
    connect(&pendingTimer_, &QTimer::timeout, this, &AgentWindow::actOnPendingKey);
}

AgentWindow::~AgentWindow() {
    if (WindowKeeper* keeper = WindowKeeper::instance()) {
        keeper->closed(this);
    }
}

void AgentWindow::setBackdrop(const QString& pictureName) {
    backdrop_ = loadPicture(pictureName);
    setAttribute(Qt::WA_TranslucentBackground);
    update();
}

void AgentWindow::present() {
    placeOnBoardScreen();
    show();
    reclaimFocus();
}

void AgentWindow::placeOnBoardScreen() {
    const QRect board = boardScreenGeometry();
    if (kind_ == Kind::FullScreen) {
        // Placed explicitly: without a window manager a full-screen request leaves the
        // window at its default size.
        setGeometry(board);
    } else {
        move(board.x() + (board.width() - width()) / 2,
             board.y() + (board.height() - height()) / 2);
    }
}

void followBoardScreen() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<AgentWindow*>(widget);
        if (window != nullptr && window->isVisible()) {
            window->placeOnBoardScreen();
            window->update();
        }
    }
}

void AgentWindow::reclaimFocus() {
    raise();
    activateWindow();
    x11::setInputFocus(*this);
}

void AgentWindow::keyPressEvent(QKeyEvent* event) {
    const QKeyEvent asRelease(QEvent::KeyRelease, event->key(), event->modifiers());
    if (pendingKey_ && releasedWindowKey(asRelease) == pendingKey_) {
        // The release before this press was the key repeating, not the user letting go.
        pendingTimer_.stop();
        pendingKey_.reset();
    }
    event->accept();
}

void AgentWindow::keyReleaseEvent(QKeyEvent* event) {
    const std::optional<WindowKey> key = releasedWindowKey(*event);
    // A release still queued when the window closed belongs to nobody.
    if (!key || !isVisible()) {
        event->ignore();
        return;
    }
    event->accept();
    pendingKey_ = key;
    pendingTimer_.start();
}

void AgentWindow::actOnPendingKey() {
    const std::optional<WindowKey> key = std::exchange(pendingKey_, std::nullopt);
    if (!key || !isVisible() || !keyHandler_) {
        return;
    }
    // The handler may close and replace this window: keep no state after it.
    const std::function<void(WindowKey)> handler = keyHandler_;
    handler(*key);
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
    if (WindowKeeper* keeper = WindowKeeper::instance()) {
        keeper->opened(this);
    }
}

void AgentWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!contentFollower_) {
        return;
    }
    // The layout normally resizes the content before this handler runs, but not while it
    // waits to be activated again: the follower must see the content's new size.
    if (QLayout* content = layout()) {
        content->setGeometry(rect());
    }
    contentFollower_();
}

void AgentWindow::hideEvent(QHideEvent* event) {
    if (WindowKeeper* keeper = WindowKeeper::instance()) {
        keeper->closed(this);
    }
    QWidget::hideEvent(event);
    // A hidden window gives its native window and pixels back: the agent spends most of
    // its life in the tray, and a full-screen backing store is megabytes. The decoded
    // pictures go too; the windows still open decode theirs again on their next paint.
    QTimer::singleShot(0, this, [this] {
        if (!isVisible()) {
            destroy();
            QPixmapCache::clear();
        }
    });
}

} // namespace eboard
