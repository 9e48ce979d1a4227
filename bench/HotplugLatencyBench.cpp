// Time from writing a report to an emulated unit's hidraw node until its pointer event
// reaches the sink, through the real udev discovery, hidraw reading and frame path.
// Prints the median and the 99th percentile. Needs umockdev's preload:
//   umockdev-wrapper build/bin/hotplug_latency_bench [REPORTS]
#include "core/pen/Clock.h"
#include "device/DeviceLink.h"
#include "device/UdevDeviceFinder.h"
#include "support/MockUnitBed.h"
#include "support/PenPipeline.h"
#include "support/RecordingPointerSink.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Runs the event loop until condition holds, for at most 5 s. Not QTest::qWaitFor: that
// sleeps up to 10 ms between its passes, which would be measured as latency; this one
// wakes for the report itself.
template <typename Condition> bool reached(Condition condition) {
    const QDeadlineTimer deadline(5000);
    QTimer wake; // keeps WaitForMoreEvents from sleeping past the deadline
    wake.start(10);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return condition();
}

} // namespace

int main(int argc, char** argv) {
    using namespace eboard;
    using namespace eboard::testing;
    QCoreApplication app(argc, argv);
    const int reports = argc > 1 ? std::max(2, std::atoi(argv[1])) : 1000;

    RecordingPointerSink sink;
    ManualClock clock{10.0};
    preparePenPipeline(sink, clock, 1920, 1080);

    MockUnit unit;
    MockUnitBed::instance().plug(unit);
    DeviceLink link(UdevDeviceFinder::create());
    if (!link.start(UnitCriteria{})) {
        std::fprintf(stderr, "hotplug_latency_bench: the emulated unit did not connect "
                             "(run it under umockdev-wrapper)\n");
        return 1;
    }

    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(reports));
    for (int i = 0; i < reports; ++i) {
        const std::size_t before = sink.events.size();
        // Alternating touch and lift: every frame gives the pointer at least one event.
        const FrameBytes frame = i % 2 == 0 ? rawPointFrame(500, 300) : noPointFrame();
        const auto start = std::chrono::steady_clock::now();
        unit.write(frame);
        if (!reached([&] { return sink.events.size() > before; })) {
            std::fprintf(stderr, "hotplug_latency_bench: report %d never reached the sink\n", i);
            return 1;
        }
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("report-to-sink latency over %d reports: median %.1f us, p99 %.1f us\n", reports,
                micros[micros.size() / 2], micros[micros.size() * 99 / 100]);
    setPointerSink(nullptr);
    setPointerClock(nullptr);
    return 0;
}
