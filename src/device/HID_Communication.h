#pragma once

#include "core/notify/Problems.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace eboard {

// The device link: finds the camera unit among the hidraw devices, opens one unit at a
// time, hands each 20-byte report to checkFrame on the main thread and posts
// "hidConnectOK" / "hidConnectNG" on the default NotificationCenter.
// Everything runs on the thread of the running Qt event loop.

// Enumerates the units present now and follows udev for units plugged in or removed
// later. Returns false (and nothing will ever connect) when udev cannot be used.
// reporter hears of a unit this user may not read.
bool setupHIDManager(std::int32_t vendorID, std::int32_t productID, std::int32_t usagePage,
                     ProblemReporter reporter = {});

// Uses the node or file at path as the one unit instead of discovering it: connect
// when opened, disconnect at end of file or on a read error.
bool setupHIDManagerForPath(const std::filesystem::path& path, ProblemReporter reporter = {});

// The node (or the path given) of the unit open now; nothing while none is.
std::optional<std::string> connectedUnitNode();

// Releases the unit and stops following udev. Harmless when nothing was set up.
void closeHIDManager();

} // namespace eboard
