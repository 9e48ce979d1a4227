#include "ui/common/WindowKeeper.h"

#include "ui/common/AgentWindow.h"
#include "ui/common/X11Windows.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace eboard {

namespace {
// Long enough for a window of ours that is about to be shown to take the keyboard first.
constexpr int kFocusSettleMs = 100;
constexpr int kStackingCheckMs = 500;
} // namespace

WindowKeeper* WindowKeeper::instance() {
    // Owned by the application object, so it goes with it.
    static QPointer<WindowKeeper> keeper;
    if (keeper.isNull() && qGuiApp != nullptr && !QCoreApplication::closingDown()) {
        keeper = new WindowKeeper;
    }
    return keeper.data();
}

WindowKeeper::WindowKeeper()
    : stackingWatch_([this] { checkStacking(); }, kStackingCheckMs) {
    setParent(qGuiApp);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &WindowKeeper::focusWindowChanged);
    visibilityFilter_ = x11::makeVisibilityFilter([this] { coveredSomewhere(); });
    if (visibilityFilter_) {
        qGuiApp->installNativeEventFilter(visibilityFilter_.get());
    }
    stackingCheck_.setInterval(kStackingCheckMs);
    connect(&stackingCheck_, &QTimer::timeout, this, &WindowKeeper::checkStacking);
}

void WindowKeeper::checkStacking() {
    // A compositor passes visibility on to every window; its desktop's lock screen must
    // not be fought either.
    if (!x11::compositingManagerRuns()) {
        coveredSomewhere();
    }
}

WindowKeeper::~WindowKeeper() {
    // The keeper goes with the application object, when qGuiApp is already null; the
    // filter then leaves the event dispatcher by itself as it is destroyed.
    if (visibilityFilter_ && qGuiApp != nullptr) {
        qGuiApp->removeNativeEventFilter(visibilityFilter_.get());
    }
}

void WindowKeeper::opened(AgentWindow* window) {
    closed(window);
    open_.push_back(window);
    if (visibilityFilter_ && !stackingWatch_.start()) {
        stackingCheck_.start();
    }
}

void WindowKeeper::closed(AgentWindow* window) {
    std::erase(open_, window);
    if (open_.empty()) {
        stackingWatch_.stop();
        stackingCheck_.stop();
    }
}

void WindowKeeper::focusWindowChanged(QWindow* window) {
    if (window != nullptr) {
        return; // one of our own windows has it
    }
    QTimer::singleShot(kFocusSettleMs, this, &WindowKeeper::takeFocusBack);
}

void WindowKeeper::takeFocusBack() {
    if (QGuiApplication::focusWindow() != nullptr) {
        return;
    }
    const auto keeper = std::find_if(open_.rbegin(), open_.rend(), [](AgentWindow* w) {
        return w->keepsFocus() && w->isVisible();
    });
    if (keeper != open_.rend()) {
        (*keeper)->reclaimFocus();
    }
}

void WindowKeeper::coveredSomewhere() {
    if (restackPending_) {
        return;
    }
    restackPending_ = true;
    QTimer::singleShot(0, this, &WindowKeeper::restack);
}

void WindowKeeper::restack() {
    restackPending_ = false;
    if (open_.empty()) {
        return;
    }
    // Any window of the agent on top is fine: its own dialogs may stand above a screen.
    std::vector<QWidget*> ours;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            ours.push_back(widget);
        }
    }
    if (x11::topmostIsOneOf(ours)) {
        return;
    }
    for (AgentWindow* window : open_) {
        window->raise();
    }
}

} // namespace eboard
