#include "app/TrayBalloonNotifier.h"

#include <QString>
#include <QSystemTrayIcon>
#include <utility>

namespace eboard {

namespace {
// Long enough to read a sentence of advice.
constexpr int kBalloonMilliseconds = 20000;
} // namespace

TrayBalloonNotifier::TrayBalloonNotifier(std::function<QSystemTrayIcon*()> tray)
    : tray_(std::move(tray)) {}

bool TrayBalloonNotifier::show(const DesktopNotice& notice) {
    QSystemTrayIcon* icon = tray_ ? tray_() : nullptr;
    if (icon == nullptr || !icon->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable() ||
        !QSystemTrayIcon::supportsMessages()) {
        return false;
    }
    icon->showMessage(QString::fromStdString(notice.summary), QString::fromStdString(notice.body),
                      notice.urgency == NoticeUrgency::Critical ? QSystemTrayIcon::Critical
                                                                : QSystemTrayIcon::Warning,
                      kBalloonMilliseconds);
    return true;
}

} // namespace eboard
