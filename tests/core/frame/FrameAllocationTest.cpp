// A steady stream of reports must not touch the heap: every global allocation function
// is replaced by one that counts while counting is switched on.
#include "core/notify/NotificationCenter.h"
#include "core/pen/Clock.h"
#include "core/pen/PointerSink.h"
#include "support/PenPipeline.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<bool> counting{false};
std::atomic<long> allocations{0};

void* countedAllocation(std::size_t size) {
    if (counting.load(std::memory_order_relaxed)) {
        allocations.fetch_add(1, std::memory_order_relaxed);
    }
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}

void* countedAlignedAllocation(std::size_t size, std::align_val_t alignment) {
    if (counting.load(std::memory_order_relaxed)) {
        allocations.fetch_add(1, std::memory_order_relaxed);
    }
    const auto align = static_cast<std::size_t>(alignment);
    const std::size_t rounded = (size + align - 1) / align * align;
    if (void* p = std::aligned_alloc(align, rounded == 0 ? align : rounded)) {
        return p;
    }
    throw std::bad_alloc();
}
} // namespace

void* operator new(std::size_t size) {
    return countedAllocation(size);
}
void* operator new[](std::size_t size) {
    return countedAllocation(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return countedAllocation(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    try {
        return countedAllocation(size);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(std::size_t size, std::align_val_t a) {
    return countedAlignedAllocation(size, a);
}
void* operator new[](std::size_t size, std::align_val_t a) {
    return countedAlignedAllocation(size, a);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept {
    std::free(p);
}

namespace {

using namespace eboard;
using namespace eboard::testing;

// Counts events; allocates nothing.
class CountingSink final : public PointerSink {
public:
    void moveTo(PointD) override { ++events; }
    void leftDown(PointD, std::uint32_t) override { ++events; }
    void leftUp(PointD, std::uint32_t) override { ++events; }
    void leftDrag(PointD, std::int64_t, std::int64_t) override { ++events; }
    void leftDoubleClick(PointD) override { ++events; }
    void rightDown(PointD, std::uint32_t) override { ++events; }
    void rightUp(PointD, std::uint32_t) override { ++events; }
    long events = 0;
};

struct TimedFrame {
    double time;
    FrameBytes frame;
    std::int32_t mode;
};

// Touches, jittery drags, a dwell long enough for a right click, a jump, lifts close
// enough for a double click, invalid reports, and preview and capture frames.
std::vector<TimedFrame> steadyStream() {
    std::vector<TimedFrame> frames;
    double t = 0.0;
    const auto add = [&](const FrameBytes& frame, std::int32_t mode = JUXPrompt::kPointerMode) {
        t += 0.008;
        frames.push_back({t, frame, mode});
    };
    for (int stroke = 0; stroke < 4; ++stroke) {
        for (int i = 0; i < 150; ++i) {
            add(rawPointFrame(200 + i + (i % 3), 300 + (i % 5)));
        }
        for (int i = 0; i < 120; ++i) {
            add(rawPointFrame(400, 310)); // dwell
        }
        add(rawPointFrame(900, 600)); // jump
        FrameBytes invalid = noPointFrame();
        ++invalid[2];
        add(invalid);
        add(noPointFrame());
        add(rawPointFrame(500, 500)); // quick second tap: double click on its lift
        add(noPointFrame(0xFF));
        add(noPointFrame());
    }
    for (int i = 0; i < 50; ++i) {
        add(i % 4 == 3 ? noPointFrame() : rawPointFrame(100 + i, 100), JUXPrompt::kPreviewMode);
        add(rawPointFrame(100 + i, 100), JUXPrompt::kTargetCaptureMode);
    }
    return frames;
}

TEST(FrameAllocation, ASteadyStreamOfFramesAllocatesNothing) {
    resetPenPipeline();
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setScreenWidth(1920);
    prompt.setScreenHeight(1080);
    prompt.setIsmooth(8);
    penToScreenMapping().setPerspective(Quad{100, 100, 900, 120, 880, 700, 120, 680},
                                        Quad{0, 0, 1920, 0, 1920, 1080, 0, 1080});
    CountingSink sink;
    ManualClock clock;
    setPointerSink(&sink);
    setPointerClock(&clock);
    resetPointerState();
    long previews = 0;
    const char observer = 0;
    NotificationCenter::defaultCenter().addObserver(&observer, "UpdatePreView",
                                                    [&] { ++previews; });
    NotificationCenter::defaultCenter().addObserver(&observer, "UpdateCalibrate",
                                                    [&] { ++previews; });

    const std::vector<TimedFrame> frames = steadyStream();
    const auto play = [&] {
        for (const TimedFrame& f : frames) {
            clock.setNow(f.time);
            prompt.setCurrentStatus(f.mode);
            checkFrame(Frame(f.frame));
        }
    };
    for (const SmoothingMode mode : {SmoothingMode::Average, SmoothingMode::Adaptive}) {
        prompt.setSmoothingMode(mode);
        play(); // first use of every static
        sink.events = 0;
        previews = 0;
        allocations = 0;
        counting = true;
        play();
        counting = false;

        EXPECT_EQ(allocations.load(), 0) << smoothingModeName(mode);
        // The stream did exercise the path: presses, drags, clicks and notifications.
        EXPECT_GT(sink.events, 4 * 270) << smoothingModeName(mode);
        EXPECT_GT(previews, 0);
    }
    NotificationCenter::defaultCenter().removeObserver(&observer);
    resetPenPipeline();
}

TEST(FrameAllocation, TheCounterSeesAllocations) {
    counting = true;
    allocations = 0;
    auto* p = new std::vector<int>(100);
    counting = false;
    delete p;
    EXPECT_GE(allocations.load(), 2);
}

} // namespace
