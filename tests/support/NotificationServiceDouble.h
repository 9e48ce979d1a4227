#pragma once
// The desktop's notification service as a test runs it: a connection of its own on the
// session bus that owns org.freedesktop.Notifications and records every Notify call. The
// calls are answered on the test's event loop (QTest::qWaitFor).

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <vector>

namespace eboard::testing {

class NotificationServiceDouble final : public QDBusVirtualObject {
public:
    struct Notice {
        QString signature;
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
    };

    NotificationServiceDouble()
        : connection_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                    QStringLiteral("notification-service"))) {}
    ~NotificationServiceDouble() override {
        connection_.unregisterService(service());
        connection_.unregisterObject(path());
        QDBusConnection::disconnectFromBus(QStringLiteral("notification-service"));
    }

    // False when the bus is missing or another process holds the name.
    bool start() {
        return connection_.isConnected() && connection_.registerVirtualObject(path(), this) &&
               connection_.registerService(service());
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != service() || message.member() != QLatin1String("Notify")) {
            return false;
        }
        const QVariantList a = message.arguments();
        Notice notice;
        notice.signature = message.signature();
        if (a.size() == 8) {
            notice.appName = a[0].toString();
            notice.replacesId = a[1].toUInt();
            notice.appIcon = a[2].toString();
            notice.summary = a[3].toString();
            notice.body = a[4].toString();
            notice.actions = a[5].toStringList();
            notice.hints = qdbus_cast<QVariantMap>(a[6].value<QDBusArgument>());
            notice.expireTimeout = a[7].toInt();
        }
        notices.push_back(notice);
        connection.send(
            message.createReply(QVariant::fromValue(static_cast<uint>(notices.size()))));
        return true;
    }
    QString introspect(const QString&) const override { return {}; }

    int count(const QString& summary) const {
        int n = 0;
        for (const Notice& notice : notices) {
            n += notice.summary == summary ? 1 : 0;
        }
        return n;
    }

    std::vector<Notice> notices;

private:
    static QString service() { return QStringLiteral("org.freedesktop.Notifications"); }
    static QString path() { return QStringLiteral("/org/freedesktop/Notifications"); }

    QDBusConnection connection_;
};

} // namespace eboard::testing
