#include "bus/FreedesktopNotifier.h"

#include "core/base/Log.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>
#include <string>
#include <utility>

namespace eboard {

FreedesktopNotifier::FreedesktopNotifier(QDBusConnection connection, QString appName,
                                         QString appIcon)
    : connection_(std::move(connection))
    , appName_(std::move(appName))
    , appIcon_(std::move(appIcon)) {}

bool FreedesktopNotifier::servicePresent() const {
    const QDBusConnectionInterface* bus = connection_.interface();
    if (bus == nullptr) {
        return false;
    }
    const QString service = QString::fromLatin1(kNotificationsService);
    const QDBusReply<bool> owned = bus->isServiceRegistered(service);
    if (owned.isValid() && owned.value()) {
        return true;
    }
    const QDBusReply<QStringList> activatable = bus->activatableServiceNames();
    return activatable.isValid() && activatable.value().contains(service);
}

bool FreedesktopNotifier::show(const DesktopNotice& notice) {
    if (!connection_.isConnected() || !servicePresent()) {
        return false;
    }
    const QString service = QString::fromLatin1(kNotificationsService);
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QString::fromLatin1(kNotificationsPath), service, QStringLiteral("Notify"));
    QVariantMap hints;
    // The protocol's urgency is a byte: sent as an integer, servers ignore it.
    hints.insert(QStringLiteral("urgency"),
                 QVariant::fromValue(static_cast<uchar>(notice.urgency)));
    call << appName_ << 0U << appIcon_ << QString::fromStdString(notice.summary)
         << QString::fromStdString(notice.body) << QStringList() << hints << -1;
    auto* watcher = new QDBusPendingCallWatcher(connection_.asyncCall(call), &pendingCalls_);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &pendingCalls_,
                     [summary = notice.summary](QDBusPendingCallWatcher* finished) {
                         if (finished->isError()) {
                             logWarning("the desktop did not show the notice \"" + summary +
                                        "\": " + finished->error().message().toStdString());
                         }
                         finished->deleteLater();
                     });
    return true;
}

} // namespace eboard
