#pragma once
// Waits for the X pointer to come to rest, released, at a pixel. Polls the server itself
// between short event-loop passes: the agent moving the pointer sends this process nothing.

#include "support/XPointer.h"

#include <QCoreApplication>
#include <chrono>
#include <gtest/gtest.h>

namespace eboard::testing {

inline ::testing::AssertionResult
pointerRestsAt(const XPointer& pointer, int x, int y,
               std::chrono::milliseconds timeout = std::chrono::seconds(5)) {
    const auto start = std::chrono::steady_clock::now();
    XPointerState state;
    while (std::chrono::steady_clock::now() - start < timeout) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        state = pointer.query();
        if (state.x == x && state.y == y && !state.leftPressed) {
            return ::testing::AssertionSuccess();
        }
    }
    return ::testing::AssertionFailure()
           << "pointer at " << state.x << ", " << state.y << (state.leftPressed ? " held" : "")
           << ", expected " << x << ", " << y << " released after "
           << std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - start)
                  .count()
           << " ms";
}

} // namespace eboard::testing
