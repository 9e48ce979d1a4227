#include "device/DeviceLink.h"

#include "core/base/Log.h"
#include "core/frame/FrameCheck.h"
#include "core/notify/NotificationCenter.h"
#include "core/pen/StrokeInterpretation.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace eboard {

namespace {

constexpr std::string_view kRulesFile = "60-eboard-hn42.rules";

void post(std::string_view name) {
    NotificationCenter::defaultCenter().postNotification(name);
}

std::string openFailureMessage(const std::string& node, int error) {
    std::string message = "cannot open the camera unit at " + node + ": " + std::strerror(error);
    if (error == EACCES || error == EPERM) {
        message += " (install " + std::string(kRulesFile) +
                   " into /etc/udev/rules.d, run 'udevadm control --reload && udevadm trigger' "
                   "and plug the unit in again)";
    }
    return message;
}

} // namespace

DeviceLink::DeviceLink(std::unique_ptr<DeviceFinder> finder, NodeOpener opener)
    : finder_(std::move(finder))
    , opener_(std::move(opener)) {}

DeviceLink::~DeviceLink() {
    node_.reset();
    finder_.reset();
}

bool DeviceLink::start(const UnitCriteria& criteria) {
    criteria_ = criteria;
    if (!finder_) {
        return false;
    }
    // Watch before enumerating so that a unit plugged in meanwhile is not missed; seeing
    // it twice is harmless.
    const bool watching =
        finder_->watch([this](const HidDeviceInfo& d) { deviceMatched(d); },
                       [this](const std::string& s) { deviceRemoved(s); }, &notifierOwner_);
    if (!watching) {
        return false;
    }
    for (const HidDeviceInfo& device : finder_->presentDevices()) {
        deviceMatched(device);
    }
    return true;
}

bool DeviceLink::startWithPath(const std::filesystem::path& path) {
    HidDeviceInfo device;
    device.node = path.string();
    device.syspath = device.node;
    if (!openDevice(device)) {
        return false;
    }
    held_ = true;
    post("hidConnectOK");
    return true;
}

void DeviceLink::deviceMatched(const HidDeviceInfo& device) {
    if (held_ || assessUnit(device, criteria_).verdict != UnitVerdict::Usable) {
        return;
    }
    if (!openDevice(device)) {
        return;
    }
    held_ = true;
    post("hidConnectOK");
}

bool DeviceLink::openDevice(const HidDeviceInfo& device) {
    const int fd = opener_(device.node);
    if (fd < 0) {
        // Not recorded as the current device: its removal must not announce a
        // disconnection that was never preceded by a connection.
        logWarning(openFailureMessage(device.node, -fd));
        return false;
    }
    node_ = std::make_unique<HidrawDevice>(
        fd, kUnitReportSize, [this](std::span<const std::uint8_t> r) { reportArrived(r); },
        [this](int error) { unitGone(error); }, &notifierOwner_);
    current_ = device;
    resetPointerState();
    return true;
}

void DeviceLink::reportArrived(std::span<const std::uint8_t> report) {
    if (tap_) {
        tap_(report);
    } else {
        inputReportReceived(report);
    }
}

void DeviceLink::inputReportReceived(std::span<const std::uint8_t> report) {
    if (report.size() != kUnitReportSize) {
        ++reportsDropped_;
        return;
    }
    ++reportsTaken_;
    std::copy(report.begin(), report.end(), lastFrame_.begin());
    checkFrame(Frame(lastFrame_));
}

void DeviceLink::deviceRemoved(const std::string& syspath) {
    if (!current_ || current_->syspath != syspath) {
        return;
    }
    unitGone(ENODEV);
}

void DeviceLink::unitGone(int error) {
    if (error != 0 && error != EIO && error != ENODEV) {
        logWarning("reading the camera unit at " + current_->node +
                   " failed: " + std::strerror(error));
    }
    // A pen that was down when the unit went would otherwise hold the button forever.
    releaseHeldButtons();
    // Release the node before anyone hears of it, so an observer sees a clean link.
    node_.reset();
    current_.reset();
    held_ = false;
    post("hidConnectNG");
}

} // namespace eboard
