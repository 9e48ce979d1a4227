#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

class QObject;
class QSocketNotifier;

namespace eboard {

// Opens a node for reading without blocking. Returns the descriptor, or -errno (-EISDIR
// for a folder, which is never a unit).
using NodeOpener = std::function<int(const std::string& path)>;
int openNodeForReading(const std::string& path);

// One open report source read on the event loop's thread: a hidraw node (one report per
// read), or a FIFO or file carrying back-to-back 20-byte reports.
class HidrawDevice {
public:
    using ReportHandler = std::function<void(std::span<const std::uint8_t>)>;
    // error: 0 at end of file, else the errno of the failed read.
    using GoneHandler = std::function<void(int error)>;

    // Larger than any report the unit sends, so a report of another length shows as one.
    static constexpr std::size_t kReadBufferSize = 256;

    // Takes ownership of fd. A character device is read a report per read; anything else
    // is a byte stream cut into reports of streamReportSize.
    HidrawDevice(int fd, std::size_t streamReportSize, ReportHandler onReport, GoneHandler onGone,
                 QObject* notifierParent);
    ~HidrawDevice();
    HidrawDevice(const HidrawDevice&) = delete;
    HidrawDevice& operator=(const HidrawDevice&) = delete;

    bool readsPackets() const { return packets_; }

private:
    void readReady();

    int fd_;
    bool packets_;
    std::size_t streamReportSize_;
    std::size_t filled_ = 0;
    std::array<std::uint8_t, kReadBufferSize> buffer_{};
    ReportHandler onReport_;
    GoneHandler onGone_;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace eboard
