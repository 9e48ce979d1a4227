#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>
#include <chrono>
#include <functional>

namespace eboard::testing {

// Runs the event loop until done() holds or the time is up; returns done().
inline bool runUntil(const std::function<bool()>& done,
                     std::chrono::milliseconds timeout = std::chrono::milliseconds(2000)) {
    QDeadlineTimer deadline(timeout);
    QTimer wake; // keeps WaitForMoreEvents from sleeping past the deadline
    wake.start(10);
    while (!done() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return done();
}

// Gives pending notifier events time to be handled, for checks that nothing happens.
inline void settle(std::chrono::milliseconds time = std::chrono::milliseconds(60)) {
    runUntil([] { return false; }, time);
}

} // namespace eboard::testing
