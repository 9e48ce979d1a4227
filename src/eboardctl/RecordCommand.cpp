// eboardctl record: writes the camera unit's reports in the hid-recorder text format until
// interrupted.
#include "Command.h"
#include "Options.h"
#include "core/base/PrintableText.h"
#include "core/base/TerminationSignals.h"
#include "core/frame/HidRecording.h"
#include "core/notify/Names.h"
#include "core/notify/NotificationCenter.h"
#include "device/DeviceLink.h"
#include "device/UdevDeviceFinder.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <chrono>
#include <csignal>
#include <cstring>
#include <optional>
#include <unistd.h>

namespace eboardctl {

namespace {

class Recorder {
public:
    explicit Recorder(std::FILE* out)
        : out_(out) {}

    void connected(const eboard::HidDeviceInfo& device) {
        std::fprintf(stderr, "eboardctl: recording %s\n", device.node.c_str());
        if (headerWritten_) {
            return;
        }
        headerWritten_ = true;
        const eboard::HidId id =
            device.id.value_or(eboard::HidId{0x03, eboard::kUnitVendorId, eboard::kUnitProductId});
        const std::string name = device.name.empty() ? "HN-42 " + device.node : device.name;
        const std::vector<std::uint8_t> none;
        eboard::writeHidRecordingHeader(
            out_, name, static_cast<std::uint16_t>(id.bus), static_cast<std::uint16_t>(id.vendor),
            static_cast<std::uint16_t>(id.product), device.reportDescriptor.value_or(none));
        std::fflush(out_);
    }

    void report(std::span<const std::uint8_t> bytes) {
        const auto now = std::chrono::steady_clock::now();
        if (!first_) {
            first_ = now;
        }
        const auto micros =
            std::chrono::duration_cast<std::chrono::microseconds>(now - *first_).count();
        eboard::writeHidReport(out_, micros, bytes);
        std::fflush(out_); // a reader of a pipe sees each report as it comes
        ++count_;
    }

    std::size_t count() const { return count_; }

private:
    std::FILE* out_;
    bool headerWritten_ = false;
    std::optional<std::chrono::steady_clock::time_point> first_;
    std::size_t count_ = 0;
};

} // namespace

int runRecord(Arguments args, std::FILE* out) {
    const Options options(args, {"device"});
    if (!options.positionals().empty()) {
        throw UsageError("record takes no arguments besides --device PATH");
    }
    const std::optional<std::string> path = options.value("device");

    static int argc = 1;
    static char name[] = "eboardctl";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    eboard::TerminationSignals interrupts;
    if (interrupts.fd() < 0) {
        throw Failure("cannot watch for interrupts");
    }
    QSocketNotifier interruptNotifier(interrupts.fd(), QSocketNotifier::Read);
    QObject::connect(&interruptNotifier, &QSocketNotifier::activated, &app,
                     [] { QCoreApplication::quit(); });

    eboard::DeviceLink link(path ? nullptr : eboard::UdevDeviceFinder::create());
    Recorder recorder(out);
    link.setReportTap([&](std::span<const std::uint8_t> bytes) { recorder.report(bytes); });
    eboard::NotificationCenter& center = eboard::NotificationCenter::defaultCenter();
    center.addObserver(&recorder, eboard::names::kHidConnectOK,
                       [&] { recorder.connected(*link.currentDevice()); });
    center.addObserver(&recorder, eboard::names::kHidConnectNG, [&] {
        std::fputs("eboardctl: the unit is gone\n", stderr);
        if (path) { // a file or FIFO does not come back
            QCoreApplication::quit();
        }
    });
    struct Unobserve {
        const void* observer;
        ~Unobserve() { eboard::NotificationCenter::defaultCenter().removeObserver(observer); }
    } unobserve{&recorder};

    if (path) {
        // Asked here, so that a path that is no unit gets one line with the reason and no
        // recording header is written for it.
        const int probe = eboard::openNodeForReading(*path);
        if (probe < 0) {
            throw Failure("cannot open " + eboard::printableText(*path) + ": " +
                          std::strerror(-probe));
        }
        ::close(probe);
        if (!link.startWithPath(*path)) {
            throw Failure("cannot open " + eboard::printableText(*path));
        }
        if (!link.isHeld()) { // a FIFO nobody writes to yet
            std::fprintf(stderr, "eboardctl: waiting for a writer of %s\n",
                         eboard::printableText(*path).c_str());
        }
    } else {
        if (!link.start(eboard::UnitCriteria{})) {
            throw Failure("udev is not available");
        }
        if (!link.isHeld()) {
            std::fputs("eboardctl: waiting for the camera unit\n", stderr);
        }
    }
    QCoreApplication::exec();
    std::fflush(out);
    std::fprintf(stderr, "eboardctl: recorded %zu reports\n", recorder.count());
    return kSuccess;
}

} // namespace eboardctl
