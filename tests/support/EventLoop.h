#pragma once
// Runs the Qt event loop from a test: until something holds, for a while, or until what
// is already queued has run.

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>

namespace eboard::testing {

// Runs the event loop until condition holds or the time is up; returns condition().
inline bool waitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::milliseconds(5000)) {
    QDeadlineTimer deadline(timeout);
    QTimer wake; // keeps WaitForMoreEvents from sleeping past the deadline
    wake.start(10);
    while (!condition() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return condition();
}

// Gives pending events time to be handled, for checks that nothing happens.
inline void settle(std::chrono::milliseconds time = std::chrono::milliseconds(60)) {
    waitUntil([] { return false; }, time);
}

// Lets every event already queued (and those they queue at once) run.
inline void drainEvents() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

} // namespace eboard::testing
