#pragma once

#include "core/notify/CommandBus.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariantMap>
#include <string>
#include <utility>
#include <vector>

namespace eboard {

// Where every notification travels on the session bus: the signal Posted(s name,
// s object, a{sv} userInfo) on this path and interface. Any process may emit it.
inline constexpr char kBusPath[] = "/com/jux/command";
inline constexpr char kBusInterface[] = "com.jux.command";
inline constexpr char kBusSignal[] = "Posted";
inline constexpr char kBusSignature[] = "ssa{sv}";

// The distributed notification centre on a D-Bus connection. The bus daemon hands the
// agent's own signals back to it, so self-posted commands arrive on a later pass of the
// main loop like anyone else's.
class DBusDistributedCenter final : public QObject, public CommandBus {
    Q_OBJECT
public:
    explicit DBusDistributedCenter(QDBusConnection connection, QObject* parent = nullptr);

    // Subscribes to Posted, and returns once the bus delivers them; false when the
    // connection is down or refuses the match rule.
    bool listen();

    void postNotification(std::string_view name, std::string_view object,
                          const UserInfo& userInfo) override;
    void addObserver(std::string_view name, Observer observer) override;

    // Sees every notification with the command object, whatever its name (a watcher).
    using Monitor = std::function<void(const std::string& name, const UserInfo& userInfo)>;
    void addMonitor(Monitor monitor);

    // Sends the signal; true once it is queued on the connection.
    static bool post(QDBusConnection& connection, const QString& name, const QString& object,
                     const QVariantMap& userInfo);

private slots:
    void onPosted(const QString& name, const QString& object, const QVariantMap& userInfo);

private:
    QDBusConnection connection_;
    std::vector<std::pair<std::string, Observer>> observers_;
    std::vector<Monitor> monitors_;
};

} // namespace eboard
