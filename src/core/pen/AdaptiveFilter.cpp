#include "core/pen/AdaptiveFilter.h"

#include <cmath>
#include <numbers>

namespace eboard {

namespace {
// The weight of the new sample in a first-order low-pass at cutoff Hz over step seconds.
double smoothingFactor(double step, double cutoff) {
    const double timeConstant = 1.0 / (2.0 * std::numbers::pi * cutoff);
    return 1.0 / (1.0 + timeConstant / step);
}
} // namespace

double AdaptiveFilter::filter(double value, double seconds, const AdaptiveSmoothing& parameters) {
    if (!primed_) {
        primed_ = true;
        lastTime_ = seconds;
        value_ = value;
        speed_ = 0.0;
        cutoff_ = parameters.minCutoff;
        return value;
    }
    double step = seconds - lastTime_;
    if (!(step > 0.0) || !std::isfinite(step)) {
        step = kFrameInterval;
    }
    if (std::isfinite(seconds)) {
        lastTime_ = seconds;
    } else {
        lastTime_ += step;
    }
    const double rawSpeed = (value - value_) / step;
    speed_ += smoothingFactor(step, parameters.derivativeCutoff) * (rawSpeed - speed_);
    cutoff_ = parameters.minCutoff + parameters.beta * std::fabs(speed_);
    value_ += smoothingFactor(step, cutoff_) * (value - value_);
    return value_;
}

} // namespace eboard
