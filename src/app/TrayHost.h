#pragma once

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <functional>
#include <memory>

namespace eboard {

namespace x11 {
class TrayManagerWatch;
}

// Whether the desktop has a tray for the agent's icon, and when one comes. Qt decides once
// per process, at its first tray icon, whether to use the StatusNotifier protocol: the
// icon must not be made before a host is there (an autostarted agent can win the race
// against the shell's tray at login).
class TrayHost {
public:
    virtual ~TrayHost() = default;
    virtual bool present() = 0;
    // Calls appeared whenever a host starts from now on.
    virtual void watch(std::function<void()> appeared) = 0;
};

// The session's: a StatusNotifier watcher on the session bus, or an X system tray.
class SessionTrayHost final : public TrayHost {
public:
    explicit SessionTrayHost(QDBusConnection bus);
    ~SessionTrayHost() override;

    bool present() override;
    void watch(std::function<void()> appeared) override;

private:
    QDBusConnection bus_;
    QDBusServiceWatcher watcher_;
    std::unique_ptr<x11::TrayManagerWatch> xTray_;
};

} // namespace eboard
