#pragma once
// Keeps the open agent windows in front and focused. It knows the open windows in the
// order they were shown: when another application takes the keyboard, the latest
// window that keeps focus takes it back; when another application's window covers
// them, they are raised again in their order. Windows of the agent never trigger
// either, so two of them cannot fight. Without a compositor the server cannot tell a
// see-through window that it was covered, so there the stacking is checked whenever the
// screen's top-level windows change, at most twice a second, while windows are open.

#include "ui/common/X11Windows.h"

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QTimer>
#include <memory>
#include <vector>

class QWindow;

namespace eboard {

class AgentWindow;

class WindowKeeper : public QObject {
    Q_OBJECT
public:
    // The application's keeper; null before the application object exists and after
    // it has gone.
    static WindowKeeper* instance();

    void opened(AgentWindow* window);
    void closed(AgentWindow* window);
    const std::vector<AgentWindow*>& openWindows() const { return open_; }

    // Called when the window system says one of our windows got covered.
    void coveredSomewhere();

private:
    WindowKeeper();
    ~WindowKeeper() override;
    void focusWindowChanged(QWindow* window);
    void takeFocusBack();
    void restack();
    void checkStacking();

    std::vector<AgentWindow*> open_;
    bool restackPending_ = false;
    std::unique_ptr<QAbstractNativeEventFilter> visibilityFilter_;
    // A see-through window on a server without a compositor hears nothing of being
    // covered: while windows are open, the stacking is also looked at when it changes,
    // or now and then where the changes cannot be heard.
    x11::StackingWatch stackingWatch_;
    QTimer stackingCheck_;
};

} // namespace eboard
