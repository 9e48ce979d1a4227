// Times of the dialog windows on the X display it runs on (run it under Xvfb at
// 1920x1080): showWindow() to the first paint event of each dialog, and a click's release to
// the post of its name.
#include "BenchFigures.h"
#include "WindowBench.h"
#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"
#include "ui/common/BoardScreen.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DeviceDoNotConnectWindow.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using namespace eboard;
using bench::drain;
using bench::median;

// Counts the paint events delivered to a window or any of its children.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return false;
    }
};

void watchAll(QWidget* window, PaintCounter& counter) {
    window->installEventFilter(&counter);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        child->installEventFilter(&counter);
    }
}

bool waitForPaint(const PaintCounter& counter, qint64 timeoutMs = 5000) {
    QElapsedTimer waited;
    waited.start();
    while (counter.paints == 0) {
        if (waited.elapsed() > timeoutMs) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    return true;
}

template <typename Controller> bool timeFirstPaint(const char* name) {
    constexpr int kOpenings = 20;
    std::vector<double> times;
    for (int i = 0; i < kOpenings; ++i) {
        auto controller = std::make_unique<Controller>();
        PaintCounter counter;
        QElapsedTimer timer;
        timer.start();
        controller->showWindow();
        watchAll(controller->window(), counter);
        if (!waitForPaint(counter)) {
            std::fprintf(stderr, "dialog_timing_bench: %s never painted\n", name);
            return false;
        }
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        controller.reset();
        drain();
    }
    std::printf("  %-30s median %6.2f ms, max %6.2f ms (%d openings)\n", name, median(times),
                *std::max_element(times.begin(), times.end()), kOpenings);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (!bench::prepareBoardScreen(app, "dialog_timing_bench")) {
        return 1;
    }
    drain();

    std::printf("showWindow() to the first paint event:\n");
    const bool painted =
        timeFirstPaint<AbortWindowController>("AbortWindowController") &&
        timeFirstPaint<CalibrateExcellentWindow>("CalibrateExcellentWindow") &&
        timeFirstPaint<CheckCamPositionWindow>("CheckCamPositionWindow") &&
        timeFirstPaint<StartNormalCalibrateDlg>("StartNormalCalibrateDlg") &&
        timeFirstPaint<StartDiagnosisWindow>("StartDiagnosisWindow") &&
        timeFirstPaint<EndNormalCalibrateWindow>("EndNormalCalibrateWindow") &&
        timeFirstPaint<EndNormalCalibratePoorWindow>("EndNormalCalibratePoorWindow") &&
        timeFirstPaint<DeviceDoNotConnectWindow>("DeviceDoNotConnectWindow");
    if (!painted) {
        return 1;
    }

    // A release delivered to a button to its name reaching an observer.
    AbortWindowController abort;
    abort.showWindow();
    abort.setDlgInfo(0, QStringLiteral("StopCalYes"), QStringLiteral("StopCalNo"));
    drain();
    QElapsedTimer timer;
    std::vector<double> toPost;
    char tag = 0;
    NotificationCenter::defaultCenter().addObserver(
        &tag, "StopCalYes", [&] { toPost.push_back(double(timer.nsecsElapsed()) / 1e3); });
    QWidget* yes = abort.btn_AbortYes();
    const QPointF at(yes->width() / 2.0, yes->height() / 2.0);
    constexpr int kClicks = 1000;
    for (int i = 0; i < kClicks; ++i) {
        QMouseEvent press(QEvent::MouseButtonPress, at, yes->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(yes, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, yes->mapToGlobal(at), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        timer.start();
        QApplication::sendEvent(yes, &release);
    }
    NotificationCenter::defaultCenter().removeObserver(&tag);
    std::printf("button release to its post: median %.2f us, max %.2f us (%d clicks)\n",
                median(toPost), *std::max_element(toPost.begin(), toPost.end()), kClicks);
    return 0;
}
