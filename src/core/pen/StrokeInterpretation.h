#pragma once

#include "core/base/Point.h"
#include "core/pen/AdaptiveFilter.h"
#include "core/pen/MouseSimulator.h"

#include <array>
#include <cstdint>
#include <optional>

namespace eboard {

class Clock;
class PointerSink;

// What turns the frames of one pen into presses, drags, releases and clicks.
struct StrokeRules {
    static constexpr std::int32_t kJumpX = 499;      // a jump beyond this many px across
    static constexpr std::int32_t kJumpY = 249;      // ... or down
    static constexpr std::int32_t kDwellRadius = 15; // still while both distances are within
    static constexpr std::uint8_t kDwellFrames = 100;
    static constexpr double kDoubleClickInterval = 0.3; // seconds between lifts
    static constexpr std::int32_t kRingSize = 50;
    static constexpr std::int32_t kSampleCountLimit = 65534; // the count after it is 0
    // Mapped positions farther out than this come only from the transform's vanishing
    // line, where single precision has lost the point; such frames are skipped.
    static constexpr float kMaxMappedMagnitude = 1.0e6f;
};

// The pointer's memory between pointer-mode frames; one per process.
struct PointerState {
    bool lightPointPresent = false; // written by the dispatcher for each pointer-mode frame
    bool penWasDown = false;        // lightPointPresent of the previous interpreted frame
    PointF anchor;                  // last press, right click or move beyond the dwell radius
    std::uint8_t dwellCount = 0;
    std::int32_t sampleCount = 0; // samples since the smoothing run began; picks the slot
    std::array<PointF, StrokeRules::kRingSize> sampleRing{};
    AdaptiveFilter adaptiveX; // the adaptive smoothing, restarted with the sample count
    AdaptiveFilter adaptiveY;
    double lastReleaseTime = 0.0;
    std::optional<MouseSimulator> mouse; // none until the first device open
};
PointerState& pointerState();

// Where MouseSimulator posts (nullptr: nowhere). Changing it also redirects the current
// simulator. The sink must outlive its installation.
void setPointerSink(PointerSink* sink);
PointerSink* pointerSink();
// The clock for the double-click interval; a monotonic clock unless one is installed.
void setPointerClock(const Clock* clock);
const Clock& pointerClock();

// Called after every successful open of a unit: a fresh MouseSimulator and the
// double-click interval counted from now. Nothing else is reset.
void resetPointerState();

// Lets go of every button the pen holds, where the pointer last was, through the current
// sink: for when the pen's stroke can no longer end by itself (the unit went away, the
// agent ends). The next frame with a light point starts a new stroke.
void releaseHeldButtons();

// Moving average over the last n mapped positions of the stroke (before the flip).
// A window below 1 counts as 1. When the sample count wraps to 0 the window would be
// empty; the position given is returned then, as the run restarts from it.
PointF smoothPoint(float x, float y, std::int32_t n);
// The adaptive smoothing of the same positions, at the frame's time in seconds. It starts
// afresh wherever the average's sample count is 0 (touch, jump, lift, wrap), so both
// modes restart at the same frames, and it keeps the ring and the count as the average
// does, so that a switch of mode within a stroke goes on smoothly.
PointF smoothAdaptive(float x, float y, double seconds, const AdaptiveSmoothing& parameters);

// Interprets the current pointer-mode frame: LightPointRaw and lightPointPresent.
// A frame whose light point has no usable screen position (no usable mapping, a
// non-finite or absurdly distant result) is skipped like a dropped frame: no event,
// no change of the pen state.
void interpretStroke();

} // namespace eboard
