#include "device/HID_Communication.h"

#include "device/DeviceLink.h"
#include "device/UdevDeviceFinder.h"

#include <memory>

namespace eboard {

namespace {
// The module's one link: created by a set-up, gone after closeHIDManager.
std::unique_ptr<DeviceLink>& activeLink() {
    static std::unique_ptr<DeviceLink> link;
    return link;
}
} // namespace

bool setupHIDManager(std::int32_t vendorID, std::int32_t productID, std::int32_t usagePage,
                     ProblemReporter reporter) {
    closeHIDManager();
    std::unique_ptr<UdevDeviceFinder> finder = UdevDeviceFinder::create();
    if (!finder) {
        return false;
    }
    auto link = std::make_unique<DeviceLink>(std::move(finder));
    link->setProblemReporter(std::move(reporter));
    UnitCriteria criteria;
    criteria.vendor = static_cast<std::uint32_t>(vendorID);
    criteria.product = static_cast<std::uint32_t>(productID);
    criteria.usagePage = static_cast<std::uint32_t>(usagePage);
    // Installed before it starts: an observer of "hidConnectOK" may already ask for it.
    activeLink() = std::move(link);
    if (!activeLink()->start(criteria)) {
        activeLink().reset();
        return false;
    }
    return true;
}

bool setupHIDManagerForPath(const std::filesystem::path& path, ProblemReporter reporter) {
    closeHIDManager();
    activeLink() = std::make_unique<DeviceLink>(nullptr);
    activeLink()->setProblemReporter(std::move(reporter));
    if (!activeLink()->startWithPath(path)) {
        activeLink().reset();
        return false;
    }
    return true;
}

std::optional<std::string> connectedUnitNode() {
    const std::unique_ptr<DeviceLink>& link = activeLink();
    if (!link || !link->isHeld() || !link->currentDevice()) {
        return std::nullopt;
    }
    return link->currentDevice()->node;
}

void closeHIDManager() {
    activeLink().reset();
}

} // namespace eboard
