#pragma once

#include <cstdint>
#include <string>

namespace eboard {

// How pressing a notice is, as freedesktop notifications grade it (the urgency hint's
// byte): a critical one stays until the user dismisses it.
enum class NoticeUrgency : std::uint8_t { Normal = 1, Critical = 2 };

// One message for the desktop user, already in the user's language (UTF-8).
struct DesktopNotice {
    std::string summary;
    std::string body;
    NoticeUrgency urgency = NoticeUrgency::Normal;
};

// A way of putting a notice in front of the desktop user: the desktop's notification
// service, the tray icon's balloon.
class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    // False when this way is not there on this desktop: the notice was not shown.
    virtual bool show(const DesktopNotice& notice) = 0;
};

} // namespace eboard
