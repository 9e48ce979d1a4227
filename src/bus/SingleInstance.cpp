#include "bus/SingleInstance.h"

#include <QString>

namespace eboard {

bool claimAgentBusName(QDBusConnection& connection) {
    return connection.isConnected() &&
           connection.registerService(QString::fromLatin1(kAgentBusName));
}

} // namespace eboard
