#include "core/state/AgentStatus.h"

#include <gtest/gtest.h>

namespace eboard {
namespace {

AgentStatus everythingSet() {
    AgentStatus status;
    status.unitConnected = true;
    status.unitNode = "/dev/hidraw3";
    status.pointerBackend = "uinput";
    status.boardChoice = "HDMI-1";
    status.boardOutput = "HDMI-1";
    status.calibration = AgentStatus::Calibration::Usable;
    status.grade = "normal-end";
    status.smoothing = "average of 4";
    status.session = "x11, DISPLAY=:0, Qt platform xcb";
    return status;
}

TEST(AgentStatus, EveryFieldCrossesTheBusAndUnknownKeysAreSkipped) {
    for (const AgentStatus::Calibration calibration :
         {AgentStatus::Calibration::Usable, AgentStatus::Calibration::Unusable,
          AgentStatus::Calibration::NotCalibrated}) {
        AgentStatus status = everythingSet();
        status.calibration = calibration;
        StatusEntries entries = statusEntries(status);
        entries.emplace_back("from_a_newer_agent", "x");
        EXPECT_EQ(agentStatusFrom(entries), status);
    }
    // An older agent's answer without some keys keeps the defaults for those.
    const AgentStatus partial = agentStatusFrom({{"unit", "connected"}});
    EXPECT_TRUE(partial.unitConnected);
    EXPECT_EQ(partial.calibration, AgentStatus::Calibration::NotCalibrated);
}

TEST(AgentStatus, LinesSayWhatTheAgentSees) {
    struct Case {
        const char* name;
        void (*change)(AgentStatus&);
        std::size_t line;
        const char* expected;
    };
    const Case cases[] = {
        {"connected", [](AgentStatus&) {}, 0, "unit: connected, /dev/hidraw3"},
        {"unplugged", [](AgentStatus& s) { s.unitConnected = false; }, 0, "unit: not connected"},
        {"uinput", [](AgentStatus&) {}, 1, "pointer: uinput, moves the pointer"},
        {"no sink",
         [](AgentStatus& s) {
             s.pointerBackend.clear();
             s.pointerProblem = "/dev/uinput is not writable";
         },
         1, "pointer: none, the pen cannot move the pointer: /dev/uinput is not writable"},
        {"dry run", [](AgentStatus& s) { s.pointerBackend = "log"; }, 1,
         "pointer: log, events are only printed (a dry run)"},
        {"chosen", [](AgentStatus&) {}, 2, "board output: \"HDMI-1\" (chosen)"},
        {"primary", [](AgentStatus& s) { s.boardChoice = "primary"; }, 2,
         "board output: \"HDMI-1\", the primary output"},
        {"absent choice", [](AgentStatus& s) { s.boardChoice = "DP-7"; }, 2,
         "board output: \"HDMI-1\", the primary: the chosen \"DP-7\" is not connected"},
        {"graded", [](AgentStatus&) {}, 3, "calibration: usable, graded normal-end"},
        {"never calibrated",
         [](AgentStatus& s) { s.calibration = AgentStatus::Calibration::NotCalibrated; }, 3,
         "calibration: none stored, the default corners are used until the unit is calibrated"},
        {"smoothing", [](AgentStatus&) {}, 4, "smoothing: average of 4"},
        {"session", [](AgentStatus& s) { s.session.clear(); }, 5, "session: unknown"},
    };
    for (const Case& c : cases) {
        AgentStatus status = everythingSet();
        c.change(status);
        const std::vector<std::string> lines = describeAgentStatus(status);
        ASSERT_EQ(lines.size(), 6U);
        EXPECT_EQ(lines[c.line], c.expected) << c.name;
    }
}

} // namespace
} // namespace eboard
