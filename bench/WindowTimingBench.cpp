// Times of the full-screen calibration screens on the X display it runs on (run it under
// Xvfb at 1920x1080): showWindow() to the first paint, a posted "UpdatePreView" to the
// paint that shows the new point, and the process's resident memory with the preview open.
#include "BenchFigures.h"
#include "WindowBench.h"
#include "core/calibration/CalibrationData.h"
#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"
#include "ui/calibration/CalibrationPreView.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/common/BoardScreen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace eboard;
using bench::drain;
using bench::median;
using bench::residentKiB;

// Runs the event loop until the view has painted more than `count` times.
bool waitForPaint(const DrawnView& view, int count, qint64 timeoutMs = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (view.paintCount() <= count) {
        if (waited.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!bench::prepareBoardScreen(app, "window_timing_bench")) {
        return 1;
    }
    initCalibrateData();

    drain();
    const long idleKiB = residentKiB();
    long firstOpenKiB = -1;
    constexpr int kOpenings = 30;
    std::vector<double> firstPaint;
    for (int i = 0; i < kOpenings; ++i) {
        auto controller = std::make_unique<CalibrationPreViewWindowController>();
        QElapsedTimer timer;
        timer.start();
        controller->showWindow();
        if (!waitForPaint(*controller->myPreView(), 0)) {
            std::fprintf(stderr, "window_timing_bench: the preview never painted\n");
            return 1;
        }
        firstPaint.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (i == 0) {
            drain();
            firstOpenKiB = residentKiB();
        }
        controller.reset();
        drain();
    }
    std::printf("showWindow() to first paint of the preview: median %.2f ms (%d openings)\n",
                median(firstPaint), kOpenings);

    CalibrationPreViewWindowController preview;
    preview.showWindow();
    waitForPaint(*preview.myPreView(), 0);
    drain();
    constexpr int kUpdates = 300;
    std::vector<double> updateToPaint;
    for (int i = 0; i < kUpdates; ++i) {
        JUXPrompt::getPrompt().setLightPointRaw(
            {double(100 + (i * 37) % 800), double(100 + (i * 53) % 560)});
        const int before = preview.myPreView()->paintCount();
        QElapsedTimer timer;
        timer.start();
        NotificationCenter::defaultCenter().postNotification("UpdatePreView");
        if (!waitForPaint(*preview.myPreView(), before)) {
            std::fprintf(stderr, "window_timing_bench: no paint after an update\n");
            return 1;
        }
        updateToPaint.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::printf("\"UpdatePreView\" posted to the paint showing the point: median %.3f ms, "
                "max %.3f ms (%d updates)\n",
                median(updateToPaint),
                *std::max_element(updateToPaint.begin(), updateToPaint.end()), kUpdates);
    drain();
    std::printf("resident memory: %.1f MiB before any window, %.1f MiB with the first preview "
                "open, %.1f MiB with a preview open after %d more\n",
                idleKiB / 1024.0, firstOpenKiB / 1024.0, residentKiB() / 1024.0, kOpenings);
    return 0;
}
