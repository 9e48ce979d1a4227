#pragma once

#include "core/notify/DesktopNotifier.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

namespace eboard {

// The desktop's notification service on the session bus, whichever desktop provides it
// (GNOME Shell, Plasma, dunst, ...).
inline constexpr char kNotificationsService[] = "org.freedesktop.Notifications";
inline constexpr char kNotificationsPath[] = "/org/freedesktop/Notifications";

// Notices through org.freedesktop.Notifications.Notify.
class FreedesktopNotifier final : public DesktopNotifier {
public:
    // appName and appIcon (an icon theme name) tell the desktop whose notice it is.
    FreedesktopNotifier(QDBusConnection connection, QString appName, QString appIcon);

    // A process owns the service's name, or the bus can start one that does.
    bool servicePresent() const;
    // Does not wait for the answer: a service the bus has to start first must not hold up
    // the agent. An error answer is logged.
    bool show(const DesktopNotice& notice) override;

private:
    QDBusConnection connection_;
    QString appName_;
    QString appIcon_;
    // Parent of the watchers of calls not answered yet.
    QObject pendingCalls_;
};

} // namespace eboard
