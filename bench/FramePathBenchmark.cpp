// Time per report of the camera unit through checkFrame, dispatchFrame and the stroke
// interpretation, posting into a sink that does nothing. Run with
//   frame_path_bench --benchmark_repetitions=10 --benchmark_report_aggregates_only=true
// and read the median.
#include "core/frame/FrameCheck.h"
#include "core/pen/Clock.h"
#include "core/pen/PointerSink.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"

#include <array>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

using namespace eboard;
using FrameBytes = std::array<std::uint8_t, kUnitReportSize>;

class NullSink final : public PointerSink {
public:
    void moveTo(PointD) override {}
    void leftDown(PointD, std::uint32_t) override {}
    void leftUp(PointD, std::uint32_t) override {}
    void leftDrag(PointD, std::int64_t, std::int64_t) override {}
    void leftDoubleClick(PointD) override {}
    void rightDown(PointD, std::uint32_t) override {}
    void rightUp(PointD, std::uint32_t) override {}
};

FrameBytes frame(std::uint16_t x, std::uint16_t y) {
    FrameBytes f{0x01,
                 0x55,
                 0x00,
                 0x04,
                 static_cast<std::uint8_t>(x >> 8),
                 static_cast<std::uint8_t>(x),
                 static_cast<std::uint8_t>(y >> 8),
                 static_cast<std::uint8_t>(y)};
    f[2] = static_cast<std::uint8_t>(f[0] + f[1] + f[3] + f[4] + f[5] + f[6] + f[7]);
    return f;
}

// Strokes of 200 frames with jitter, each ended by a frame without a light point.
std::vector<FrameBytes> strokeStream() {
    std::vector<FrameBytes> frames;
    for (int stroke = 0; stroke < 5; ++stroke) {
        for (int i = 0; i < 200; ++i) {
            frames.push_back(frame(static_cast<std::uint16_t>(800 - i - stroke * 10 - i % 3),
                                   static_cast<std::uint16_t>(200 + i + i % 5)));
        }
        frames.push_back(frame(0, 0));
    }
    return frames;
}

void setUpPointerMode(NullSink& sink, ManualClock& clock) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setScreenWidth(1920);
    prompt.setScreenHeight(1080);
    prompt.setIsmooth(4);
    prompt.setCurrentStatus(JUXPrompt::kPointerMode);
    penToScreenMapping().setPerspective(Quad{100, 100, 900, 120, 880, 700, 120, 680},
                                        Quad{0, 0, 1920, 0, 1920, 1080, 0, 1080});
    setPointerSink(&sink);
    setPointerClock(&clock);
    resetPointerState();
}

// The stroke stream through the whole path, a frame every 8 ms, with the given smoothing.
void playStrokes(benchmark::State& state, SmoothingMode mode, std::int32_t window) {
    NullSink sink;
    ManualClock clock;
    setUpPointerMode(sink, clock);
    JUXPrompt::getPrompt().setSmoothingMode(mode);
    JUXPrompt::getPrompt().setIsmooth(window);
    const std::vector<FrameBytes> frames = strokeStream();
    std::size_t next = 0;
    double now = 0.0;
    for (auto _ : state) {
        now += 0.008;
        clock.setNow(now);
        checkFrame(Frame(frames[next]));
        next = next + 1 == frames.size() ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    JUXPrompt::getPrompt().setSmoothingMode(SmoothingMode::Average);
    setPointerSink(nullptr);
    setPointerClock(nullptr);
}

void BM_FramePath(benchmark::State& state) {
    playStrokes(state, SmoothingMode::Average, 4);
}
BENCHMARK(BM_FramePath);

// With smoothing over the whole ring: the most additions a frame can do in practice.
void BM_FramePathSmoothing50(benchmark::State& state) {
    playStrokes(state, SmoothingMode::Average, 50);
}
BENCHMARK(BM_FramePathSmoothing50);

// With the adaptive smoothing: two filters a frame instead of the sum.
void BM_FramePathAdaptive(benchmark::State& state) {
    playStrokes(state, SmoothingMode::Adaptive, 4);
}
BENCHMARK(BM_FramePathAdaptive);

// Reports that fail the check: the cost of dropping one.
void BM_InvalidFrame(benchmark::State& state) {
    FrameBytes bad = frame(300, 300);
    ++bad[2];
    for (auto _ : state) {
        checkFrame(Frame(bad));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_InvalidFrame);

} // namespace

BENCHMARK_MAIN();
