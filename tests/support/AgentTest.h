#pragma once
// The fixture of tests that run the real agent: a scratch home and a watcher of the command
// bus. Skipped without an X display; fails without a session bus.

#include "support/AgentProcess.h"
#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace eboard::testing {

class AgentTest : public ::testing::Test {
protected:
    void SetUp() final {
        if (std::getenv("DISPLAY") == nullptr) {
            GTEST_SKIP() << "needs an X display (run under xvfb-run)";
        }
        ASSERT_TRUE(watcher.listening()) << "needs a session bus (run under dbus-run-session)";
        prepare();
    }
    // What a fixture sets up besides, once the display and the bus are there.
    virtual void prepare() {}

    TempDir home;
    BusWatcher watcher;
};

} // namespace eboard::testing
