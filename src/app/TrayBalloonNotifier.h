#pragma once

#include "core/notify/DesktopNotifier.h"

#include <functional>

class QSystemTrayIcon;

namespace eboard {

// Notices as a balloon from the tray icon, for a desktop with a tray but no notification
// service.
class TrayBalloonNotifier final : public DesktopNotifier {
public:
    // tray gives the icon at the time of a notice (none before the status menu woke up).
    explicit TrayBalloonNotifier(std::function<QSystemTrayIcon*()> tray);

    // False without a tray icon on screen that can show messages.
    bool show(const DesktopNotice& notice) override;

private:
    std::function<QSystemTrayIcon*()> tray_;
};

} // namespace eboard
