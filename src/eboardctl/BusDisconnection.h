#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <functional>
#include <utility>

namespace eboardctl {

// Runs the given action when the bus library tells the connection, with its local
// "Disconnected" signal, that the bus went away (QtDBus delivers signals to slots only).
class BusDisconnection : public QObject {
    Q_OBJECT
public:
    BusDisconnection(QDBusConnection connection, std::function<void()> action)
        : action_(std::move(action)) {
        connection.connect(QString(), QStringLiteral("/org/freedesktop/DBus/Local"),
                           QStringLiteral("org.freedesktop.DBus.Local"),
                           QStringLiteral("Disconnected"), this, SLOT(disconnected()));
    }

public slots:
    void disconnected() { action_(); }

private:
    std::function<void()> action_;
};

} // namespace eboardctl
