// A scripted normal calibration through the real agent, timed: the agent is a child
// process, the unit an emulated one, the dialogs answered through XTest. Prints
//   - from the fourth target's pen lift to the end dialog on screen (median, max);
//   - one whole run from the request to the end dialog (median);
//   - the agent's resident memory after the first run and after the last.
// Needs a session bus, an X display and umockdev's preload; bench/calibration-run-bench.sh
// provides all three:
//   bench/calibration-run-bench.sh build [RUNS]
#include "BenchFigures.h"
#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "core/calibration/Thresholds.h"
#include "support/AgentProcess.h"
#include "support/MockUnitBed.h"
#include "support/PenPipeline.h"
#include "support/TempDir.h"
#include "support/XDesktop.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace eboard;
using namespace eboard::testing;
using SteadyClock = std::chrono::steady_clock;
namespace fs = std::filesystem;

// Waits until a window with this title is on the display (or gone). Asks the X server
// every half millisecond rather than through QTest::qWaitFor, which sleeps 10 ms between
// its passes: the wait is part of what is measured.
bool waitForWindow(const XDesktop& desktop, const char* title, bool shown = true) {
    const auto deadline = SteadyClock::now() + std::chrono::seconds(10);
    while (SteadyClock::now() < deadline) {
        if (desktop.windows(XDesktop::By::Title, title).empty() != shown) {
            return true;
        }
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    const XDesktop desktop;
    const char* preload = std::getenv("LD_PRELOAD");
    if (!desktop.open() || preload == nullptr ||
        std::string(preload).find("umockdev") == std::string::npos) {
        std::fprintf(stderr, "calibration_run_bench: needs an X display, a session bus and "
                             "umockdev-wrapper (use bench/calibration-run-bench.sh)\n");
        return 1;
    }
    const int width = desktop.width();
    const int height = desktop.height();

    TempDir home;
    fs::create_directories(dataDirectory(home.path()));
    writeText(thresholdsPath(home.path()), defaultThresholdsXml());
    MockUnit unit;
    MockUnitBed::instance().plug(unit);
    BusWatcher watcher;
    AgentProcess agent(home.path(), {QStringLiteral("--pointer"), QStringLiteral("log")});
    agent.start();
    if (!watcher.waitFor("HN42Connected")) {
        std::fprintf(stderr, "the agent did not see the unit: %s\n",
                     agent.errorOutput().toLocal8Bit().constData());
        return 1;
    }
    auto frame = [&unit](const FrameBytes& bytes) {
        unit.write(bytes);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    };
    // The boxed dialogs are 520 x 300, centred; buttons as in their layout resources.
    const int boxX = (width - 520) / 2;
    const int boxY = (height - 300) / 2;

    std::vector<double> toResult;
    std::vector<double> wholeRun;
    long rssFirst = 0;
    long rssPreview = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = SteadyClock::now();
        watcher.post("StartCalibrate");
        if (!waitForWindow(desktop, "StartNormalCalibrateDlg")) {
            std::fprintf(stderr, "run %d: no start dialog\n", run + 1);
            return 1;
        }
        desktop.click(boxX + 365 + 57, boxY + 236 + 15);
        if (!waitForWindow(desktop, "CalibrationPreViewWindowController")) {
            std::fprintf(stderr, "run %d: no preview\n", run + 1);
            return 1;
        }
        if (run == 0) {
            rssPreview = bench::residentKiB(std::to_string(agent.process.processId()));
            std::printf("agent RSS with the first preview open: %ld kB (%s)\n", rssPreview,
                        bench::residentParts(std::to_string(agent.process.processId())).c_str());
        }
        desktop.key("space");
        if (!waitForWindow(desktop, "CalibrateWindowController")) {
            std::fprintf(stderr, "run %d: no target screen\n", run + 1);
            return 1;
        }
        for (const auto& [x, y] : {std::pair{150, 120}, {160, 650}, {880, 110}, {890, 640}}) {
            frame(rawPointFrame(x, y));
        }
        const auto lift = SteadyClock::now();
        unit.write(noPointFrame());
        if (!waitForWindow(desktop, "EndNormalCalibrateWindow")) {
            std::fprintf(stderr, "run %d: no end dialog\n", run + 1);
            return 1;
        }
        const auto shown = SteadyClock::now();
        toResult.push_back(std::chrono::duration<double, std::milli>(shown - lift).count());
        wholeRun.push_back(std::chrono::duration<double, std::milli>(shown - start).count());
        desktop.click(boxX + 365 + 57, boxY + 236 + 15); // its OK button
        waitForWindow(desktop, "EndNormalCalibrateWindow", false);
        if (run == 0) {
            rssFirst = bench::residentKiB(std::to_string(agent.process.processId()));
        }
    }
    const long rssLast = bench::residentKiB(std::to_string(agent.process.processId()));
    std::printf("runs: %d (screen %dx%d)\n", runs, width, height);
    std::printf("fourth target's lift to end dialog on screen: median %.1f ms, max %.1f ms\n",
                bench::median(toResult), *std::max_element(toResult.begin(), toResult.end()));
    std::printf("whole scripted run, request to end dialog: median %.0f ms\n",
                bench::median(wholeRun));
    std::printf("agent RSS: after run 1 %ld kB, after run %d %ld kB (growth %ld kB)\n", rssFirst,
                runs, rssLast, rssLast - rssFirst);
    watcher.post("Quit");
    agent.waitForExit();
    return 0;
}
