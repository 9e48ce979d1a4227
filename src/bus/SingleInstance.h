#pragma once

#include <QDBusConnection>

namespace eboard {

// The session-bus name whose owner is the one running agent.
inline constexpr char kAgentBusName[] = "com.jux.eBoardAgent";

// Takes the name without queueing; false while another process holds it. The bus frees
// the name when its owner ends, however it ends.
bool claimAgentBusName(QDBusConnection& connection);

} // namespace eboard
