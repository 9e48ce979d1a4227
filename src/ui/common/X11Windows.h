#pragma once
// What the calibration windows need from X11 beyond Qt: to hear when another client's
// window covers them, to see whether the topmost window is one of theirs, and to set
// the input focus directly where a window manager would not pass an activation on.
// Every function does nothing (or answers true) on other platforms.

#include <QAbstractNativeEventFilter>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace eboard::x11 {

// Asks the X server to report when the window gets covered (VisibilityNotify).
void watchVisibility(QWidget& window);

// Whether a compositing manager runs (owns "_NET_WM_CM_S<screen>"); false off X11.
bool compositingManagerRuns();

// Whether the topmost mapped top-level window of the screen is one of these windows
// (or a window manager's frame around one of them).
bool topmostIsOneOf(const std::vector<QWidget*>& windows);

// Gives the window the input focus at once.
void setInputFocus(QWidget& window);

// A filter for the application's native events that calls onCovered whenever one
// of the watched windows gets covered; null off X11.
std::unique_ptr<QAbstractNativeEventFilter> makeVisibilityFilter(std::function<void()> onCovered);

// Tells when the stacking of the screen's top-level windows may have changed (one was
// created, mapped, unmapped, raised, lowered, moved or destroyed): at once, then not again
// for holdMs, so that a burst of changes costs one call and a screen where nothing happens
// costs no wake-up at all. It listens on an X connection of its own, so that Qt's own
// events of the root window stay as Qt asked for them. Silent until started.
class StackingWatch {
public:
    StackingWatch(std::function<void()> changed, int holdMs);
    ~StackingWatch();
    StackingWatch(const StackingWatch&) = delete;
    StackingWatch& operator=(const StackingWatch&) = delete;

    // False off X11 or when no connection to the X server could be made.
    bool start();
    void stop();

private:
    struct Listener;
    std::function<void()> changed_;
    int holdMs_;
    std::unique_ptr<Listener> listener_;
};

// Whether an X system tray runs: the screen's "_NET_SYSTEM_TRAY_S<n>" selection has an
// owner. False off X11.
bool systemTrayOwned();

// Tells when an X system tray starts: its manager announces itself to the root window
// (MANAGER). Listens on an X connection of its own.
class TrayManagerWatch {
public:
    explicit TrayManagerWatch(std::function<void()> appeared);
    ~TrayManagerWatch();
    TrayManagerWatch(const TrayManagerWatch&) = delete;
    TrayManagerWatch& operator=(const TrayManagerWatch&) = delete;

    // False off X11 or when no connection to the X server could be made.
    bool start();

private:
    struct Listener;
    std::function<void()> appeared_;
    std::unique_ptr<Listener> listener_;
};

} // namespace eboard::x11
