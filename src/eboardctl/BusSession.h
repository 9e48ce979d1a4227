#pragma once
// The session bus as eboardctl's commands use it. QtDBus wants an application object;
// eboardctl has no other use for one.

#include "Command.h"
#include "bus/SingleInstance.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <string>

namespace eboardctl {

class BusSession {
public:
    // Bus: no session bus is a Failure naming why. Optional: the command goes on without
    // one (it remembers a choice for the agent's next start).
    enum class Need { Bus, Optional };

    explicit BusSession(Need need = Need::Bus)
        : app_(argc_, argv_)
        , connection_(QDBusConnection::sessionBus()) {
        if (need == Need::Bus && !connection_.isConnected()) {
            throw Failure("no D-Bus session bus: " +
                          connection_.lastError().message().toStdString());
        }
    }
    QDBusConnection& connection() { return connection_; }
    // Whether an agent owns its well-known name on the bus.
    bool agentRunning() {
        QDBusConnectionInterface* bus = connection_.interface();
        return connection_.isConnected() && bus != nullptr &&
               bus->isServiceRegistered(QString::fromLatin1(eboard::kAgentBusName)).value();
    }
    // A command is a broadcast nobody has to answer: without this check, a command to an
    // agent that is not running would vanish and look like success.
    void requireAgent() {
        if (!agentRunning()) {
            throw Failure(std::string("no agent is running (nobody owns ") + eboard::kAgentBusName +
                          " on the session bus); start eBoardAgent first");
        }
    }

private:
    int argc_ = 1;
    char name_[10] = "eboardctl";
    char* argv_[2] = {name_, nullptr};
    QCoreApplication app_;
    QDBusConnection connection_;
};

} // namespace eboardctl
