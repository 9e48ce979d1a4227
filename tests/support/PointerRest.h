#pragma once
// Waits for the X pointer to come to rest, released, at a pixel. Asks the server itself
// between event-loop passes: the agent moving the pointer sends this process nothing.

#include "support/EventLoop.h"
#include "support/XDesktop.h"

#include <gtest/gtest.h>

namespace eboard::testing {

inline ::testing::AssertionResult pointerRestsAt(const XDesktop& pointer, int x, int y,
                                                 int timeoutMs = 5000) {
    XPointerState state;
    if (QTest::qWaitFor(
            [&] {
                state = pointer.query();
                return state.x == x && state.y == y && !state.leftPressed;
            },
            timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure()
           << "pointer at " << state.x << ", " << state.y << (state.leftPressed ? " held" : "")
           << ", expected " << x << ", " << y << " released after " << timeoutMs << " ms";
}

} // namespace eboard::testing
