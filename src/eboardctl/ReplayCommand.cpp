// eboardctl replay: runs a hid-recorder recording of the camera unit through the frame
// check, the dispatcher and the stroke interpretation, as the agent would in pointer mode.
#include "CalibrationArchiveFile.h"
#include "Command.h"
#include "HidRecorderFile.h"
#include "Options.h"
#include "core/calibration/CalibrationData.h"
#include "core/frame/FrameCheck.h"
#include "core/frame/HidRecording.h"
#include "core/notify/DistributedCenter.h"
#include "core/notify/LogDistributedCenter.h"
#include "core/pen/Clock.h"
#include "core/pen/LogPointerSink.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/Smoothing.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"
#include "pointer/PointerBackends.h"

#include <chrono>
#include <fstream>
#include <limits>
#include <memory>
#include <thread>

namespace eboardctl {

namespace {

// Installs the replay's sink, clock and announcement log for the run, and takes them
// out again however the run ends.
class Installation {
public:
    Installation(eboard::PointerSink& sink, const eboard::Clock& clock,
                 eboard::DistributedCenter& center)
        : previousCenter_(eboard::distributedCenter()) {
        eboard::setPointerSink(&sink);
        eboard::setPointerClock(&clock);
        eboard::setDistributedCenter(&center);
    }
    ~Installation() {
        eboard::setPointerSink(nullptr);
        eboard::setPointerClock(nullptr);
        eboard::setDistributedCenter(previousCenter_);
    }
    Installation(const Installation&) = delete;
    Installation& operator=(const Installation&) = delete;

private:
    eboard::DistributedCenter* previousCenter_;
};

// --smooth adaptive with its two parameters, or the average (--smooth N, read later).
eboard::SmoothingChoice replaySmoothing(const Options& options) {
    eboard::SmoothingChoice choice;
    if (options.value("smooth") != "adaptive") {
        if (options.value("min-cutoff") || options.value("beta")) {
            throw UsageError("--min-cutoff and --beta go with --smooth adaptive");
        }
        return choice;
    }
    choice.mode = eboard::SmoothingMode::Adaptive;
    choice.adaptive = adaptiveParameters(options, choice.adaptive);
    return choice;
}

} // namespace

int runReplay(Arguments args, std::FILE* out) {
    // --file names the archive as in the other commands; --calibration is its older name.
    const Options options(
        args, {"file", "calibration", "screen", "smooth", "min-cutoff", "beta", "pointer"});
    if (options.positionals().size() != 1) {
        throw UsageError("replay needs one recording: replay REC [--file F] "
                         "[--screen WxH] [--smooth N|adaptive] [--pointer log|xtest|uinput]");
    }
    const std::string pointer = options.value("pointer").value_or("log");
    if (pointer != "log" && pointer != "xtest" && pointer != "uinput") {
        throw UsageError("unknown pointer '" + pointer + "' (expected log, xtest or uinput)");
    }
    const ScreenSize screen = parseScreenSize(options.value("screen").value_or("1920x1080"));
    const eboard::SmoothingChoice smoothing = replaySmoothing(options);
    const std::int64_t smooth =
        smoothing.mode == eboard::SmoothingMode::Adaptive
            ? 4
            : parseInteger(options.value("smooth").value_or("4"), "smoothing");
    if (smooth < std::numeric_limits<std::int32_t>::min() ||
        smooth > std::numeric_limits<std::int32_t>::max()) {
        throw UsageError("invalid smoothing '" + std::to_string(smooth) + "'");
    }
    const std::vector<eboard::HidReport> reports =
        readRecordingFile(std::string(options.positionals()[0]));

    // The agent's start-up: stored record, screen size, targets and mapping; pointer mode.
    eboard::JUXPrompt& prompt = eboard::JUXPrompt::getPrompt();
    const std::optional<std::string> file = options.value("file");
    prompt.setSettingData(readRecord(recordPath(file ? file : options.value("calibration"))));
    prompt.setScreenWidth(screen.width);
    prompt.setScreenHeight(screen.height);
    prompt.setIsmooth(static_cast<std::int32_t>(smooth));
    prompt.setSmoothingMode(smoothing.mode);
    prompt.setAdaptiveSmoothing(smoothing.adaptive);
    // Standard error, so that the event log stays the events alone.
    std::fprintf(
        stderr, "eboardctl: pen smoothing: %s\n",
        eboard::describeSmoothing({smoothing.mode, prompt.ismooth(), smoothing.adaptive}).c_str());
    prompt.setCurrentStatus(eboard::JUXPrompt::kPointerMode);
    eboard::initCalibrateData();
    if (!eboard::penToScreenMapping().isUsable()) {
        std::fputs("eboardctl: warning: the calibration gives no usable mapping; "
                   "light points are ignored\n",
                   stderr);
    }

    // A log is written at once; a real pointer gets the events at the recording's pace,
    // so that the desktop sees the same clicks and double clicks.
    std::unique_ptr<eboard::PointerSink> sink;
    const bool paced = pointer != "log";
    if (paced) {
        std::string error;
        const auto backend =
            pointer == "xtest" ? eboard::PointerBackend::XTest : eboard::PointerBackend::Uinput;
        sink = eboard::makePointerSink(backend, {screen.width, screen.height}, &error);
        if (!sink) {
            throw Failure("cannot use --pointer " + pointer + ": " + error);
        }
    } else {
        sink = std::make_unique<eboard::LogPointerSink>(out);
    }
    eboard::LogDistributedCenter center(out);
    eboard::ManualClock clock(0.0);
    const Installation installation(*sink, clock, center);

    // The unit counts as opened at the start of the recording.
    eboard::resetPointerState();
    const auto start = std::chrono::steady_clock::now();
    for (const eboard::HidReport& report : reports) {
        clock.setNow(report.seconds());
        if (paced) {
            std::this_thread::sleep_until(start + std::chrono::microseconds(report.microseconds));
        }
        // The device link hands over reports of exactly the unit's size only.
        if (report.bytes.size() == eboard::kUnitReportSize) {
            eboard::checkFrame(eboard::Frame(report.bytes.data(), eboard::kUnitReportSize));
        }
    }
    std::fflush(out);
    return kSuccess;
}

} // namespace eboardctl
