#include "ui/common/AgentWindow.h"

#include "ui/AppResources.h"
#include "ui/common/Accessibility.h"
#include "ui/common/BoardScreen.h"
#include "ui/common/DrawnButton.h"
#include "ui/common/WindowKeeper.h"
#include "ui/common/X11Windows.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPixmapCache>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace eboard {

namespace {
// An auto-repeated press follows its release within the same server batch.
constexpr int kRepeatPairMs = 40;

// Only a window manager (X11) or a compositor (Wayland) knows the full-screen state;
// elsewhere (offscreen, minimal) the state would pin the window to the platform's own
// screen size instead of the board's geometry.
bool windowManagerMayRun() {
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
}
} // namespace

AgentWindow::AgentWindow(Kind kind)
    : kind_(kind) {
    installAccessibleInterfaces();
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
        coverBoardScreen(board);
    } else {
        move(board.x() + (board.width() - width()) / 2,
             board.y() + (board.height() - height()) / 2);
    }
}

void AgentWindow::coverBoardScreen(const QRect& board) {
    QScreen* const target = boardScreen();
    if (target != nullptr && screen() != target) {
        // A window manager keeps a full-screen window on its output: it lets go of the
        // window before it moves to another.
        if (isFullScreen()) {
            setWindowState(windowState() & ~Qt::WindowFullScreen);
        }
        setScreen(target);
    }
    // The geometry alone is what covers the output where no window manager runs (a bare
    // X server leaves a full-screen request at the default size); under one, only the
    // full-screen state puts the window above the panels and on all of the output.
    setGeometry(board);
    if (!windowManagerMayRun()) {
        return;
    }
    setWindowState(windowState() | Qt::WindowFullScreen);
    // A hide gives the native window back while the widget keeps the state: the window
    // made again must be asked for it before it is mapped.
    if (windowHandle() == nullptr) {
        create();
    }
    if (QWindow* native = windowHandle();
        native != nullptr && !native->windowStates().testFlag(Qt::WindowFullScreen)) {
        native->setWindowStates(native->windowStates() | Qt::WindowFullScreen);
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

void AgentWindow::setDescriber(std::function<Description()> describer) {
    describer_ = std::move(describer);
    describe();
}

void AgentWindow::describe() {
    if (!describer_) {
        return;
    }
    const Description description = describer_();
    setAccessibleName(description.name);
    setAccessibleDescription(description.text);
}

void AgentWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        describe();
    }
}

DrawnButton* AgentWindow::focusedButton() const {
    auto* button = qobject_cast<DrawnButton*>(focusWidget());
    return button != nullptr && button->isVisible() ? button : nullptr;
}

bool AgentWindow::focusNextPrevChild(bool next) {
    QList<DrawnButton*> buttons;
    for (DrawnButton* button : findChildren<DrawnButton*>()) {
        if ((button->focusPolicy() & Qt::TabFocus) != 0 && button->isVisibleTo(this) &&
            button->isEnabled()) {
            buttons.push_back(button);
        }
    }
    if (buttons.isEmpty()) {
        return QWidget::focusNextPrevChild(next);
    }
    // Round the buttons in reading order; the window itself is never one of the stops.
    std::sort(buttons.begin(), buttons.end(), [this](const DrawnButton* a, const DrawnButton* b) {
        const QPoint pa = a->mapTo(this, QPoint());
        const QPoint pb = b->mapTo(this, QPoint());
        return std::pair(pa.y(), pa.x()) < std::pair(pb.y(), pb.x());
    });
    const qsizetype count = buttons.size();
    const qsizetype at = buttons.indexOf(focusedButton());
    const qsizetype to = at < 0 ? (next ? 0 : count - 1) : (at + (next ? 1 : count - 1)) % count;
    buttons[to]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void AgentWindow::keyPressEvent(QKeyEvent* event) {
    if (pendingKey_ == event->key()) {
        // The release before this press was the key repeating, not the user letting go.
        pendingTimer_.stop();
        pendingKey_.reset();
    }
    event->accept();
}

void AgentWindow::keyReleaseEvent(QKeyEvent* event) {
    const bool pressesButton =
        !event->isAutoRepeat() && pressesFocusedButton(event->key()) && focusedButton() != nullptr;
    // A release still queued when the window closed belongs to nobody.
    if ((!releasedWindowKey(*event) && !pressesButton) || !isVisible()) {
        event->ignore();
        return;
    }
    event->accept();
    pendingKey_ = event->key();
    pendingTimer_.start();
}

void AgentWindow::actOnPendingKey() {
    const std::optional<int> key = std::exchange(pendingKey_, std::nullopt);
    if (!key || !isVisible()) {
        return;
    }
    // The press and the handler may close and replace this window: keep no state after
    // them.
    if (DrawnButton* button = focusedButton(); button != nullptr && pressesFocusedButton(*key)) {
        button->press();
        return;
    }
    const std::optional<WindowKey> windowKey = windowKeyOf(*key);
    if (!windowKey || !keyHandler_) {
        return;
    }
    const std::function<void(WindowKey)> handler = keyHandler_;
    handler(*windowKey);
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
