#pragma once

namespace eboard {

// Seconds on a clock that never goes back; only differences matter (the double-click
// interval). The agent reads a monotonic clock, a replay the recording's time stamps.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double now() const = 0;
};

class MonotonicClock final : public Clock {
public:
    double now() const override;
};

// A clock that says what it was last set to: replays and tests.
class ManualClock final : public Clock {
public:
    explicit ManualClock(double seconds = 0.0)
        : seconds_(seconds) {}
    double now() const override { return seconds_; }
    void setNow(double seconds) { seconds_ = seconds; }

private:
    double seconds_;
};

} // namespace eboard
