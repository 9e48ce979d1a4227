#include "core/state/Doctor.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace eboard {
namespace {

// An X11 session where everything the pen needs is in place.
DoctorFacts healthy() {
    DoctorFacts facts;
    facts.sessionType = "x11";
    facts.display = ":0";
    facts.agentRunning = true;
    AgentStatus agent;
    agent.unitConnected = true;
    agent.unitNode = "/dev/hidraw0";
    agent.pointerBackend = "uinput";
    agent.boardChoice = "primary";
    agent.boardOutput = "HDMI-1";
    agent.grade = "normal-end";
    facts.agent = agent;
    facts.statusNotifierWatcher = true;
    facts.units = {{"/dev/hidraw0", ""}};
    facts.udevRule = "/usr/lib/udev/rules.d/60-eboard-hn42.rules";
    facts.autostart = {
        "/home/u/.config/autostart/eBoardAgent.desktop", true, true, false, "eBoardAgent", true};
    facts.calibration = DoctorFacts::Calibration::Usable;
    return facts;
}

// The finding whose text starts with subject.
Finding findingFor(const DoctorFacts& facts, const std::string& subject) {
    const std::vector<Finding> findings = diagnose(facts);
    const auto found = std::find_if(findings.begin(), findings.end(), [&](const Finding& f) {
        return f.text.rfind(subject, 0) == 0;
    });
    EXPECT_NE(found, findings.end()) << subject;
    return found != findings.end() ? *found : Finding{};
}

TEST(Doctor, AHealthySetUpHasNoProblem) {
    const std::vector<Finding> findings = diagnose(healthy());
    for (const Finding& finding : findings) {
        EXPECT_TRUE(finding.ok) << finding.text;
    }
    // X11: no XWayland line.
    EXPECT_EQ(findings.size(), 10U);
}

TEST(Doctor, EachCauseIsAProblemWithItsFix) {
    struct Case {
        const char* subject;
        void (*change)(DoctorFacts&);
        bool ok;
        const char* inTextOrFix;
    };
    const Case cases[] = {
        {"session", [](DoctorFacts& f) { f.display.clear(); }, false, "DISPLAY and WAYLAND"},
        {"session", [](DoctorFacts& f) { f.busProblem = "gone"; }, false, "dbus-run-session"},
        {"XWayland", [](DoctorFacts& f) { f.waylandDisplay = "wayland-0"; }, true, ":0"},
        {"XWayland",
         [](DoctorFacts& f) {
             f.sessionType = "wayland";
             f.display.clear();
         },
         false, "xwayland enable"},
        {"agent", [](DoctorFacts& f) { f.agentRunning = false, f.agent.reset(); }, false,
         "eBoardAgent &"},
        {"agent",
         [](DoctorFacts& f) {
             f.agent.reset();
             f.agentProblem = "timeout";
         },
         false, "eboardctl quit"},
        {"system tray", [](DoctorFacts& f) { f.statusNotifierWatcher = false; }, false,
         "gnome-shell-extension-appindicator"},
        {"system tray",
         [](DoctorFacts& f) {
             f.statusNotifierWatcher = false;
             f.xSystemTray = true;
         },
         true, "_NET_SYSTEM_TRAY_S0"},
        {"camera unit",
         [](DoctorFacts& f) {
             f.agent->unitConnected = false;
             f.units.clear();
         },
         false, "eboardctl devices"},
        // Readable is up to the rule: without it install it, with it replug.
        {"camera unit",
         [](DoctorFacts& f) {
             f.agent->unitConnected = false;
             f.units[0].openProblem = "Permission denied";
         },
         false, "plug it in again"},
        {"udev rule", [](DoctorFacts& f) { f.udevRule.clear(); }, false, "udevadm trigger"},
        {"pointer",
         [](DoctorFacts& f) {
             f.agent->pointerBackend.clear();
             f.agent->pointerProblem = "no X";
         },
         false, "eboard-uinput-access"},
        {"pointer",
         [](DoctorFacts& f) {
             f.agent.reset();
             f.uinputProblem = "No such file or directory";
             f.uinputMissing = true;
         },
         false, "modprobe uinput"},
        {"pointer", [](DoctorFacts& f) { f.agent->pointerBackend = "log"; }, false,
         "without --pointer log"},
        // Without an agent: uinput, else XTest outside Wayland.
        {"pointer",
         [](DoctorFacts& f) {
             f.agent.reset();
             f.uinputProblem = "Permission denied";
             f.xtest = true;
         },
         true, "XTest on display :0"},
        {"pointer",
         [](DoctorFacts& f) {
             f.agent.reset();
             f.uinputProblem = "Permission denied";
             f.xtest = true;
             f.waylandDisplay = "wayland-0";
         },
         false, "does not reach the pointer of a Wayland session"},
        {"autostart", [](DoctorFacts& f) { f.autostart.present = false; }, false, "cp /usr/share"},
        {"autostart", [](DoctorFacts& f) { f.autostart.valid = false; }, false, "(Exec)"},
        {"autostart", [](DoctorFacts& f) { f.autostart.programFound = false; }, false, "reinstall"},
        {"autostart",
         [](DoctorFacts& f) {
             f.autostart.programFound = false;
             f.autostart.disabled = true;
         },
         true, "turned off"},
        {"data file",
         [](DoctorFacts& f) {
             f.dataFileProblems = {{"/h/it's", "a FIFO"}};
         },
         false, "mv '/h/it'\\''s' '/h/it'\\''s.bad'"},
        {"calibration", [](DoctorFacts& f) { f.calibration = DoctorFacts::Calibration::Missing; },
         false, "eboardctl calibrate"},
        {"calibration", [](DoctorFacts& f) { f.calibration = DoctorFacts::Calibration::Unusable; },
         false, "enclose no area"},
        {"calibration", [](DoctorFacts&) {}, true, "graded normal-end"},
        {"board output", [](DoctorFacts& f) { f.agent->boardChoice = "DP-7"; }, false,
         "eboardctl output NAME"},
        {"board output",
         [](DoctorFacts& f) {
             f.agent.reset();
             f.boardChoice = "DP-7";
             f.connectedOutputs = std::vector<std::string>{"HDMI-1", "DP-7"};
         },
         true, "connected"},
        {"board output",
         [](DoctorFacts& f) {
             f.agent.reset();
             f.boardChoice = "DP-7";
             f.connectedOutputs = std::vector<std::string>{"HDMI-1"};
         },
         false, "not connected"},
    };
    for (const Case& c : cases) {
        DoctorFacts facts = healthy();
        c.change(facts);
        const Finding finding = findingFor(facts, c.subject);
        EXPECT_EQ(finding.ok, c.ok) << finding.text;
        EXPECT_NE((finding.text + " " + finding.fix).find(c.inTextOrFix), std::string::npos)
            << finding.text << " / " << finding.fix;
        EXPECT_EQ(finding.fix.empty(), c.ok) << finding.text;
    }
}

TEST(Doctor, AProblemIsMarkedAndFollowedByItsFix) {
    EXPECT_EQ(formatFinding({true, "agent: running", ""}), "\u2713 agent: running\n");
    EXPECT_EQ(formatFinding({false, "agent: not running", "start it"}),
              "\u2717 agent: not running\n  fix: start it\n");
}

} // namespace
} // namespace eboard
