#include "bus/DBusDistributedCenter.h"

#include "bus/UserInfoConversion.h"

#include <QDBusMessage>

namespace eboard {

DBusDistributedCenter::DBusDistributedCenter(QDBusConnection connection, QObject* parent)
    : QObject(parent)
    , connection_(std::move(connection)) {}

bool DBusDistributedCenter::listen() {
    if (!connection_.isConnected()) {
        return false;
    }
    // The explicit signature keeps signals of another shape away from the slot: without
    // it a peer sending e.g. a{ss} crashes libdbus's demarshalling in Qt 6.4.
    if (!connection_.connect(QString(), QString::fromLatin1(kBusPath),
                             QString::fromLatin1(kBusInterface), QString::fromLatin1(kBusSignal),
                             QString::fromLatin1(kBusSignature), this,
                             SLOT(onPosted(QString, QString, QVariantMap)))) {
        return false;
    }
    // Qt sends the match rule without waiting for the bus to take it; one round trip on
    // the same connection makes sure it has, so a post that follows is never missed.
    const QDBusMessage ping = connection_.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
    return ping.type() == QDBusMessage::ReplyMessage;
}

bool DBusDistributedCenter::post(QDBusConnection& connection, const QString& name,
                                 const QString& object, const QVariantMap& userInfo) {
    QDBusMessage message = QDBusMessage::createSignal(QString::fromLatin1(kBusPath),
                                                      QString::fromLatin1(kBusInterface),
                                                      QString::fromLatin1(kBusSignal));
    message << name << object << userInfo;
    return connection.send(message);
}

void DBusDistributedCenter::postNotification(std::string_view name, std::string_view object,
                                             const UserInfo& userInfo) {
    post(connection_, QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())),
         QString::fromUtf8(object.data(), static_cast<qsizetype>(object.size())),
         toVariantMap(userInfo));
}

void DBusDistributedCenter::addObserver(std::string_view name, Observer observer) {
    observers_.emplace_back(std::string(name), std::move(observer));
}

void DBusDistributedCenter::addMonitor(Monitor monitor) {
    monitors_.push_back(std::move(monitor));
}

void DBusDistributedCenter::onPosted(const QString& name, const QString& object,
                                     const QVariantMap& userInfo) {
    if (object !=
        QLatin1String(kCommandObject.data(), static_cast<qsizetype>(kCommandObject.size()))) {
        return;
    }
    const std::string key = name.toStdString();
    const UserInfo info = fromVariantMap(userInfo);
    // A copy: an observer may add observers (the workflow registers answer pairs).
    std::vector<Observer> matching;
    for (const auto& [observedName, observer] : observers_) {
        if (observedName == key) {
            matching.push_back(observer);
        }
    }
    for (const Observer& observer : matching) {
        observer(info);
    }
    for (const Monitor& monitor : monitors_) {
        monitor(key, info);
    }
}

} // namespace eboard
