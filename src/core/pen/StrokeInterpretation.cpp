#include "core/pen/StrokeInterpretation.h"

#include "core/notify/DistributedCenter.h"
#include "core/notify/Names.h"
#include "core/pen/Clock.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/state/JUXPrompt.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>

namespace eboard {

namespace {

PointerSink* installedSink = nullptr;
const Clock* installedClock = nullptr;

bool isUsablePosition(PointF p) {
    return std::isfinite(p.x) && std::isfinite(p.y) &&
           std::fabs(p.x) <= StrokeRules::kMaxMappedMagnitude &&
           std::fabs(p.y) <= StrokeRules::kMaxMappedMagnitude;
}

// |to - from| truncated toward zero as a whole number of pixels. Saturates instead of
// overflowing, so that an enormous move still counts as a jump.
std::int64_t axisDistance(float from, float to) {
    const float distance = std::fabs(std::trunc(to - from));
    constexpr float kInt32Bound = 2147483648.0f;
    return distance < kInt32Bound ? static_cast<std::int64_t>(distance)
                                  : static_cast<std::int64_t>(kInt32Bound);
}

// Compared in whole microseconds, the resolution of recorded time stamps: a difference of
// decimal seconds is not exact in binary (2.3 - 2.0 < 0.3), which would make lifts exactly
// 0.3 s apart double-click.
bool isDoubleClickGap(double seconds) {
    constexpr double kMicroseconds = 1e6;
    return std::round(seconds * kMicroseconds) <
           std::round(StrokeRules::kDoubleClickInterval * kMicroseconds);
}

PointD toPointD(PointF p) {
    return PointD{p.x, p.y};
}

void announceEdge(std::string_view side) {
    if (DistributedCenter* center = distributedCenter()) {
        center->postNotification(names::kMoveMenu, kCommandObject,
                                 UserInfo{{std::string(names::kLocalationKey), std::string(side)}});
    }
}

// Runs an operation of the current MouseSimulator, if a unit has been opened.
template <typename Operation> void withMouse(PointerState& state, Operation operation) {
    if (state.mouse) {
        operation(*state.mouse);
    }
}

void touch(PointerState& state, PointF mapped, float height, float width) {
    state.sampleCount = 0; // the touch position stays out of the ring
    const PointF p{mapped.x, height - mapped.y};
    withMouse(state, [&](MouseSimulator& mouse) {
        mouse.movePosition(toPointD(p));
        mouse.leftButtonDown(toPointD(p));
    });
    state.anchor = p;
    if (p.x > width) {
        announceEdge("right");
    }
    if (p.x < 0.0f) {
        announceEdge("left");
    }
}

// The smoothing the prompt asks for.
PointF smoothedPosition(PointF mapped, const JUXPrompt& prompt) {
    if (prompt.smoothingMode() == SmoothingMode::Adaptive) {
        return smoothAdaptive(mapped.x, mapped.y, pointerClock().now(), prompt.adaptiveSmoothing());
    }
    return smoothPoint(mapped.x, mapped.y, prompt.ismooth());
}

// Stores a sample in the ring and advances the count; the count after the limit is 0.
// Returns the new count.
std::int32_t storeSample(PointerState& state, PointF sample) {
    constexpr std::int32_t kRing = StrokeRules::kRingSize;
    const std::int32_t slot = ((state.sampleCount % kRing) + kRing) % kRing;
    std::int32_t next = state.sampleCount + 1;
    if (next > StrokeRules::kSampleCountLimit || next < 0) {
        next = 0;
    }
    state.sampleRing[static_cast<std::size_t>(slot)] = sample;
    state.sampleCount = next;
    return next;
}

void continueStroke(PointerState& state, PointF mapped, const JUXPrompt& prompt) {
    const float height = static_cast<float>(prompt.screenHeight());
    const PointF smoothed = smoothedPosition(mapped, prompt);
    const PointF p{smoothed.x, height - smoothed.y};
    const std::int64_t dx = axisDistance(state.anchor.x, p.x);
    const std::int64_t dy = axisDistance(state.anchor.y, p.y);

    if (dx > StrokeRules::kJumpX || dy > StrokeRules::kJumpY) {
        state.sampleCount = 0;
        withMouse(state, [&](MouseSimulator& mouse) {
            mouse.movePosition(toPointD(state.anchor));
            mouse.leftButtonUp(toPointD(state.anchor));
            mouse.movePosition(toPointD(p));
            mouse.leftButtonDown(toPointD(p));
        });
    }
    withMouse(state, [&](MouseSimulator& mouse) { mouse.leftMouseDragging(toPointD(p)); });

    if (dx <= StrokeRules::kDwellRadius && dy <= StrokeRules::kDwellRadius) {
        ++state.dwellCount;
        if (state.dwellCount < StrokeRules::kDwellFrames) {
            return;
        }
        state.dwellCount = 0;
        withMouse(state, [&](MouseSimulator& mouse) {
            mouse.rightButtonDown(toPointD(p));
            mouse.rightButtonUp(toPointD(p));
        });
        state.anchor = p;
    } else {
        state.dwellCount = 0;
        state.anchor = p;
    }
}

void lift(PointerState& state) {
    state.dwellCount = 0;
    withMouse(state, [&](MouseSimulator& mouse) {
        mouse.movePosition(toPointD(state.anchor));
        mouse.leftButtonUp(toPointD(state.anchor));
    });
    state.sampleCount = 0;
    const double now = pointerClock().now();
    if (isDoubleClickGap(now - state.lastReleaseTime)) {
        withMouse(state, [&](MouseSimulator& mouse) {
            mouse.leftMouseDoubleClick(toPointD(state.anchor));
        });
    }
    state.lastReleaseTime = now;
}

} // namespace

PointerState& pointerState() {
    static PointerState state;
    return state;
}

void setPointerSink(PointerSink* sink) {
    installedSink = sink;
    PointerState& state = pointerState();
    if (state.mouse) {
        state.mouse->setSink(sink);
    }
}

PointerSink* pointerSink() {
    return installedSink;
}

void setPointerClock(const Clock* clock) {
    installedClock = clock;
}

const Clock& pointerClock() {
    static const MonotonicClock monotonic;
    return installedClock != nullptr ? *installedClock : monotonic;
}

void resetPointerState() {
    PointerState& state = pointerState();
    state.mouse.emplace(installedSink);
    state.lastReleaseTime = pointerClock().now();
}

void releaseHeldButtons() {
    PointerState& state = pointerState();
    // The left button is the only one a stroke holds between frames; the right one is
    // pressed and released within a frame.
    if (state.penWasDown) {
        withMouse(state, [](MouseSimulator& mouse) { mouse.leftButtonUp(mouse.lastLocation()); });
    }
    state.penWasDown = false;
    state.lightPointPresent = false;
    state.dwellCount = 0;
    state.sampleCount = 0;
}

PointF smoothPoint(float x, float y, std::int32_t n) {
    PointerState& state = pointerState();
    constexpr std::int32_t kRing = StrokeRules::kRingSize;
    const std::int32_t window = std::max(n, 1);
    const std::int32_t next = storeSample(state, PointF{x, y});
    if (next == 0) {
        return PointF{x, y};
    }

    const std::int32_t start = std::max(next - window, 0);
    float sumX = 0.0f;
    float sumY = 0.0f;
    for (std::int32_t i = start; i < next; ++i) {
        const PointF& sample = state.sampleRing[static_cast<std::size_t>(i % kRing)];
        sumX += sample.x;
        sumY += sample.y;
    }
    const float count = static_cast<float>(next - start);
    return PointF{sumX / count, sumY / count};
}

PointF smoothAdaptive(float x, float y, double seconds, const AdaptiveSmoothing& parameters) {
    PointerState& state = pointerState();
    if (state.sampleCount == 0) {
        state.adaptiveX.reset();
        state.adaptiveY.reset();
    }
    storeSample(state, PointF{x, y});
    return PointF{static_cast<float>(state.adaptiveX.filter(x, seconds, parameters)),
                  static_cast<float>(state.adaptiveY.filter(y, seconds, parameters))};
}

void interpretStroke() {
    PointerState& state = pointerState();
    const JUXPrompt& prompt = JUXPrompt::getPrompt();

    if (state.lightPointPresent) {
        const PerspectiveTransform& mapping = penToScreenMapping();
        if (!mapping.isUsable()) {
            return;
        }
        const PointD raw = prompt.LightPointRaw();
        const PointF mapped =
            mapping.mapPoint(PointF{static_cast<float>(raw.x), static_cast<float>(raw.y)});
        if (!isUsablePosition(mapped)) {
            return;
        }
        const float height = static_cast<float>(prompt.screenHeight());
        if (!state.penWasDown) {
            touch(state, mapped, height, static_cast<float>(prompt.screenWidth()));
        } else {
            continueStroke(state, mapped, prompt);
        }
    } else if (state.penWasDown) {
        lift(state);
    }
    state.penWasDown = state.lightPointPresent;
}

} // namespace eboard
