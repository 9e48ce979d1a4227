#pragma once

#include "core/frame/UnitMatching.h"

#include <functional>
#include <string>
#include <vector>

class QObject;

namespace eboard {

// Where hidraw devices come from: the ones present now, and the ones that come and go.
class DeviceFinder {
public:
    using AddedHandler = std::function<void(const HidDeviceInfo&)>;
    using RemovedHandler = std::function<void(const std::string& syspath)>;

    virtual ~DeviceFinder() = default;

    virtual std::vector<HidDeviceInfo> presentDevices() = 0;
    // Reports devices added or removed from now on, on the thread of the event loop.
    // Any notifier it needs is created as a child of notifierParent.
    virtual bool watch(AddedHandler added, RemovedHandler removed, QObject* notifierParent) = 0;
};

} // namespace eboard
