#include "app/TrayHost.h"

#include "ui/common/X11Windows.h"

#include <QDBusConnectionInterface>

namespace eboard {

namespace {
const QString kStatusNotifierWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
} // namespace

SessionTrayHost::SessionTrayHost(QDBusConnection bus)
    : bus_(std::move(bus))
    , watcher_(kStatusNotifierWatcher, bus_, QDBusServiceWatcher::WatchForRegistration) {}

SessionTrayHost::~SessionTrayHost() = default;

bool SessionTrayHost::present() {
    QDBusConnectionInterface* names = bus_.isConnected() ? bus_.interface() : nullptr;
    return (names != nullptr && names->isServiceRegistered(kStatusNotifierWatcher).value()) ||
           x11::systemTrayOwned();
}

void SessionTrayHost::watch(std::function<void()> appeared) {
    QObject::connect(&watcher_, &QDBusServiceWatcher::serviceRegistered,
                     [appeared] { appeared(); });
    xTray_ = std::make_unique<x11::TrayManagerWatch>(appeared);
    xTray_->start();
}

} // namespace eboard
