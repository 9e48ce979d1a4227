#pragma once
// One axis of the adaptive smoothing (see Smoothing.h): a first-order low-pass whose
// cutoff is minCutoff + beta * |filtered speed|, the speed itself low-passed at a fixed
// cutoff. Fixed size, no allocation.

#include "core/pen/Smoothing.h"

namespace eboard {

class AdaptiveFilter {
public:
    // The next sample at time seconds; the first after a reset comes out as it went in.
    // A time that does not advance (repeated, backwards, not finite) counts as one frame
    // interval after the previous sample, so no step divides by zero.
    double filter(double value, double seconds, const AdaptiveSmoothing& parameters);
    // Forgets every sample: the next starts afresh.
    void reset() { primed_ = false; }

    // The cutoff the last sample was filtered with, in Hz (minCutoff before any).
    double lastCutoff() const { return cutoff_; }

    // The camera's frame interval: the step assumed when the time stamps do not tell one.
    static constexpr double kFrameInterval = 0.010;

private:
    bool primed_ = false;
    double lastTime_ = 0.0;
    double value_ = 0.0;
    double speed_ = 0.0;
    double cutoff_ = 0.0;
};

} // namespace eboard
