#pragma once

#include "core/state/AgentStatus.h"

#include <QDBusConnection>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <string>

namespace eboard {

// The agent's own object on its well-known name: method calls with a reply, beside the
// broadcast command bus.
inline constexpr char kAgentObjectPath[] = "/com/jux/eBoardAgent";
inline constexpr char kAgentInterface[] = "com.jux.eBoardAgent";

// Answers "Status" with what the provider says at the time of the call: a{sv}, every
// value a string (see AgentStatus).
class AgentStatusService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.jux.eBoardAgent")
public:
    using Provider = std::function<AgentStatus()>;

    explicit AgentStatusService(Provider provider, QObject* parent = nullptr);

    // Exports the object on the connection; false when the path is taken.
    bool exportOn(QDBusConnection& connection);

public Q_SLOTS:
    Q_SCRIPTABLE QVariantMap Status() const;

private:
    Provider provider_;
};

// Asks the agent that owns kAgentBusName. Nothing on failure, with *error saying why.
std::optional<AgentStatus> askAgentStatus(QDBusConnection& connection, std::string* error);

} // namespace eboard
