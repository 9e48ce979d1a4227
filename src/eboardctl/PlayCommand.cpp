// eboardctl play: writes a recording's reports to a node or FIFO with their original
// timing, so that `--device PATH` runs the agent without hardware.
#include "Command.h"
#include "HidRecorderFile.h"
#include "Options.h"
#include "core/base/FileDescriptor.h"
#include "core/frame/HidRecording.h"
#include "core/frame/UnitConstants.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace eboardctl {

namespace {

// One report in one write, so a reader of a hidraw-like node sees it whole.
bool writeWhole(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

int runPlay(Arguments args, std::FILE* out) {
    const Options options(args, {"to"});
    const std::optional<std::string> to = options.value("to");
    if (options.positionals().size() != 1 || !to) {
        throw UsageError("usage: play REC --to PATH");
    }
    const std::string recording(options.positionals().front());
    const std::vector<eboard::HidReport> reports = readRecordingFile(recording);

    // A reader that goes away is an error to report, not a reason to die silently.
    std::signal(SIGPIPE, SIG_IGN);
    // A FIFO without a reader makes open block; say what it waits for, then wait.
    int fd = ::open(to->c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 && errno == ENXIO) {
        std::fprintf(stderr,
                     "eboardctl: waiting for a reader of %s (e.g. eBoardAgent --device %s)\n",
                     to->c_str(), to->c_str());
        fd = ::open(to->c_str(), O_WRONLY | O_CLOEXEC);
    } else if (fd >= 0) {
        // Writes below block as they always did; only the open was not to.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    }
    const eboard::FileDescriptor target(fd);
    if (target.get() < 0) {
        throw Failure("cannot open " + *to + ": " + std::strerror(errno));
    }
    // A FIFO or file is a byte stream that the reader cuts into unit-sized reports: a report
    // of another length would shift every later one, so only a device node gets those.
    struct stat status {};
    const bool keepsBoundaries = ::fstat(target.get(), &status) == 0 && S_ISCHR(status.st_mode);
    const auto start = std::chrono::steady_clock::now();
    const std::int64_t origin = reports.empty() ? 0 : reports.front().microseconds;
    std::size_t played = 0;
    std::size_t skipped = 0;
    for (const eboard::HidReport& report : reports) {
        if (!keepsBoundaries && report.bytes.size() != eboard::kUnitReportSize) {
            ++skipped;
            continue;
        }
        std::this_thread::sleep_until(start +
                                      std::chrono::microseconds(report.microseconds - origin));
        if (!writeWhole(target.get(), report.bytes)) {
            throw Failure("writing to " + *to + " failed after " + std::to_string(played) +
                          " reports: " + std::strerror(errno));
        }
        ++played;
    }
    if (skipped > 0) {
        std::fprintf(stderr,
                     "eboardctl: skipped %zu reports not %zu bytes long (%s keeps no report "
                     "boundaries)\n",
                     skipped, eboard::kUnitReportSize, to->c_str());
    }
    std::fprintf(out, "played %zu reports to %s\n", played, to->c_str());
    return kSuccess;
}

} // namespace eboardctl
