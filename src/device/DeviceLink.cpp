#include "device/DeviceLink.h"

#include "core/base/Log.h"
#include "core/frame/FrameCheck.h"
#include "core/notify/Names.h"
#include "core/notify/NotificationCenter.h"
#include "core/pen/StrokeInterpretation.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace eboard {

namespace {

void post(std::string_view name) {
    NotificationCenter::defaultCenter().postNotification(name);
}

std::string openFailureMessage(const std::string& node, int error) {
    std::string message = "cannot open the camera unit at " + node + ": " + std::strerror(error);
    if (error == EACCES || error == EPERM) {
        message += " (install " + std::string(kUnitRulesFile) +
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
    pathWatch_.reset();
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
    path_ = path;
    pathWatch_ = std::make_unique<PathWatch>(
        path, [this](PathWatch::Change change) { pathChanged(change); }, &notifierOwner_);
    if (const std::error_code error = pathWatch_->error()) {
        logWarning("cannot follow " + path.string() + ": cannot watch its folder (" +
                   error.message() + ")");
        pathWatch_.reset();
        return false;
    }
    openPath();
    return true;
}

void DeviceLink::openPath() {
    if (node_) {
        return;
    }
    const int fd = opener_(path_.string());
    if (fd < 0) {
        if (!pathProblemSaid_) {
            pathProblemSaid_ = true;
            logWarning(openFailureMessage(path_.string(), -fd) + "; waiting for it to appear");
            openFailed(path_.string(), -fd);
        }
        return;
    }
    pathProblemSaid_ = false;
    HidDeviceInfo device;
    device.node = path_.string();
    device.syspath = device.node;
    struct stat status {};
    const bool fifo = ::fstat(fd, &status) == 0 && S_ISFIFO(status.st_mode);
    adoptNode(fd, device);
    if (fifo) {
        // Open for reading, so that a writer does not block; it connects when it opens.
        // Our own open must not count as one.
        pathWatch_->discardPending();
        awaitingWriter_ = true;
        return;
    }
    announceConnection();
}

void DeviceLink::pathChanged(PathWatch::Change change) {
    switch (change) {
    case PathWatch::Change::Appeared:
    case PathWatch::Change::Written: // a file written anew is read anew
        openPath();
        break;
    case PathWatch::Change::Opened:
        if (awaitingWriter_) {
            awaitingWriter_ = false;
            announceConnection();
        }
        break;
    case PathWatch::Change::Gone:
        if (node_) {
            unitGone(ENODEV);
        }
        break;
    }
}

void DeviceLink::deviceMatched(const HidDeviceInfo& device) {
    if (held_ || assessUnit(device, criteria_).verdict != UnitVerdict::Usable) {
        return;
    }
    if (openDevice(device)) {
        announceConnection();
    }
}

bool DeviceLink::openDevice(const HidDeviceInfo& device) {
    const int fd = opener_(device.node);
    if (fd < 0) {
        // Not recorded as the current device: its removal must not announce a
        // disconnection that was never preceded by a connection.
        logWarning(openFailureMessage(device.node, -fd));
        openFailed(device.node, -fd);
        return false;
    }
    adoptNode(fd, device);
    return true;
}

void DeviceLink::openFailed(const std::string& node, int error) {
    // Only a refusal is the user's to fix (udev rule, group); a busy or vanished node is not.
    if ((error == EACCES || error == EPERM) && problemReporter_) {
        problemReporter_({Problem::UnitNotReadable, node});
    }
}

void DeviceLink::adoptNode(int fd, const HidDeviceInfo& device) {
    node_ = std::make_unique<HidrawDevice>(
        fd, kUnitReportSize, [this](std::span<const std::uint8_t> r) { reportArrived(r); },
        [this](int error) { unitGone(error); }, &notifierOwner_);
    current_ = device;
}

void DeviceLink::announceConnection() {
    held_ = true;
    resetPointerState();
    post(names::kHidConnectOK);
}

void DeviceLink::reportArrived(std::span<const std::uint8_t> report) {
    if (awaitingWriter_) { // its opening not seen yet: the first report tells as well
        awaitingWriter_ = false;
        announceConnection();
    }
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
    if (awaitingWriter_ && error == 0) {
        // End of file on a FIFO: a writer came and went before its opening was seen.
        awaitingWriter_ = false;
        announceConnection();
    }
    const bool wasHeld = held_;
    // A pen that was down when the unit went would otherwise hold the button forever.
    if (wasHeld) {
        releaseHeldButtons();
    }
    // Release the node before anyone hears of it, so an observer sees a clean link.
    node_.reset();
    current_.reset();
    held_ = false;
    awaitingWriter_ = false;
    // A FIFO is ready for its next writer at once; a file or node has to appear again.
    struct stat status {};
    if (pathWatch_ && ::stat(path_.c_str(), &status) == 0 && S_ISFIFO(status.st_mode) &&
        error == 0) {
        openPath();
    }
    if (wasHeld) {
        post(names::kHidConnectNG);
    }
}

} // namespace eboard
