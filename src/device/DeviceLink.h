#pragma once

#include "core/frame/UnitConstants.h"
#include "core/frame/UnitMatching.h"
#include "core/notify/Problems.h"
#include "device/DeviceFinder.h"
#include "device/HidrawDevice.h"
#include "device/PathWatch.h"

#include <QObject>
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>

namespace eboard {

// The state and rules of the device link: one unit at a time, its reports to the frame
// check, "hidConnectOK" after each successful open and "hidConnectNG" once when the open
// unit goes, whether udev or a failed read tells first.
class DeviceLink {
public:
    // Everything a report does goes through here; the default hands it to
    // inputReportReceived. `eboardctl record` takes the raw reports instead.
    using ReportTap = std::function<void(std::span<const std::uint8_t>)>;

    explicit DeviceLink(std::unique_ptr<DeviceFinder> finder,
                        NodeOpener opener = openNodeForReading);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // Opens the first usable unit present, then follows hotplug. False when the finder
    // cannot watch for devices.
    bool start(const UnitCriteria& criteria);
    // The node, FIFO or file at path is the one unit, followed like a unit that can come
    // and go: its appearing (a FIFO: a writer opening it) connects, end of file or its
    // removal disconnects, and it is followed again afterwards. A path not there yet
    // gets one warning. False only when its folder cannot be watched.
    bool startWithPath(const std::filesystem::path& path);

    void setReportTap(ReportTap tap) { tap_ = std::move(tap); }
    // Hears of a unit this user may not read (the node refused with EACCES or EPERM), each
    // time an open is refused; the log line goes out regardless.
    void setProblemReporter(ProblemReporter reporter) { problemReporter_ = std::move(reporter); }

    void deviceMatched(const HidDeviceInfo& device);
    void deviceRemoved(const std::string& syspath);
    // Drops any report that is not exactly one frame long; hands frames to checkFrame.
    void inputReportReceived(std::span<const std::uint8_t> report);

    bool isHeld() const { return held_; }
    const std::optional<HidDeviceInfo>& currentDevice() const { return current_; }
    std::uint64_t reportsTaken() const { return reportsTaken_; }
    std::uint64_t reportsDropped() const { return reportsDropped_; }
    // Parent of every socket notifier the link and its finder create.
    const QObject& notifierOwner() const { return notifierOwner_; }

private:
    bool openDevice(const HidDeviceInfo& device);
    void adoptNode(int fd, const HidDeviceInfo& device);
    void announceConnection();
    // Path mode: opens the path if it can; a FIFO then waits for its writer.
    void openPath();
    void pathChanged(PathWatch::Change change);
    void reportArrived(std::span<const std::uint8_t> report);
    void unitGone(int error);
    void openFailed(const std::string& node, int error);

    // Declared first so that it outlives the notifiers below, which it parents.
    QObject notifierOwner_;
    std::unique_ptr<DeviceFinder> finder_;
    NodeOpener opener_;
    UnitCriteria criteria_;
    ReportTap tap_;
    ProblemReporter problemReporter_;
    std::unique_ptr<HidrawDevice> node_;
    std::optional<HidDeviceInfo> current_;
    bool held_ = false;
    std::array<std::uint8_t, kUnitReportSize> lastFrame_{};
    std::uint64_t reportsTaken_ = 0;
    std::uint64_t reportsDropped_ = 0;

    // Path mode (startWithPath).
    std::filesystem::path path_;
    std::unique_ptr<PathWatch> pathWatch_;
    bool awaitingWriter_ = false; // a FIFO open for reading that no writer has opened yet
    bool pathProblemSaid_ = false;
};

} // namespace eboard
