#include "core/state/Doctor.h"

#include "core/frame/UnitConstants.h"

namespace eboard {

namespace {

Finding good(std::string text) {
    return {true, std::move(text), {}};
}

Finding problem(std::string text, std::string fix) {
    return {false, std::move(text), std::move(fix)};
}

bool waylandSession(const DoctorFacts& facts) {
    return !facts.waylandDisplay.empty() || facts.sessionType == "wayland";
}

// One word for a POSIX shell, whatever the path holds.
std::string shellQuoted(const std::string& path) {
    std::string word = "'";
    for (const char c : path) {
        word += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return word + "'";
}

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

Finding session(const DoctorFacts& facts) {
    if (facts.display.empty() && facts.waylandDisplay.empty()) {
        return problem("session: no graphical display (DISPLAY and WAYLAND_DISPLAY are unset)",
                       "run 'eboardctl doctor' in a terminal of your desktop session: the agent "
                       "needs an X11 or Wayland display");
    }
    if (!facts.busProblem.empty()) {
        return problem("session: no D-Bus session bus (" + facts.busProblem + ")",
                       "log in to a desktop session, which starts the session bus (or run the "
                       "agent under dbus-run-session)");
    }
    if (waylandSession(facts)) {
        return good("session: Wayland" +
                    (facts.waylandDisplay.empty() ? "" : " (" + facts.waylandDisplay + ")"));
    }
    return good("session: X11, display " + facts.display);
}

Finding xwayland(const DoctorFacts& facts) {
    if (!facts.display.empty()) {
        return good("XWayland: display " + facts.display +
                    ", where the calibration screens open full screen");
    }
    return problem("XWayland: not running (DISPLAY is unset): the calibration screens cannot be "
                   "placed on the board output",
                   "enable XWayland in your compositor (GNOME and KDE start it by themselves; "
                   "sway: 'xwayland enable' in its configuration), then log in again");
}

Finding agentLine(const DoctorFacts& facts) {
    if (!facts.agentRunning) {
        return problem("agent: not running",
                       "start eBoardAgent from the applications menu, or run 'eBoardAgent &'");
    }
    if (!facts.agent) {
        return problem("agent: running, but it did not answer (" + facts.agentProblem + ")",
                       "restart it: 'eboardctl quit', then start eBoardAgent");
    }
    return good("agent: running");
}

Finding tray(const DoctorFacts& facts) {
    if (facts.statusNotifierWatcher) {
        return good("system tray: a StatusNotifier host (org.kde.StatusNotifierWatcher)");
    }
    if (facts.xSystemTray) {
        return good("system tray: the X system tray (_NET_SYSTEM_TRAY_S0)");
    }
    return problem("system tray: none, the agent runs without an icon",
                   "on GNOME: 'sudo apt install gnome-shell-extension-appindicator', then "
                   "'gnome-extensions enable ubuntu-appindicators@ubuntu.com' and log in again; "
                   "without a tray, use 'eboardctl calibrate', 'diagnose' and 'quit'");
}

std::string ruleFix(const DoctorFacts& facts) {
    if (facts.udevRule.empty()) {
        return std::string("install the eboard package, or copy ") + kUnitRulesFile +
               " to /etc/udev/rules.d and run 'sudo udevadm control --reload && sudo udevadm "
               "trigger --subsystem-match=hidraw'";
    }
    return "unplug the unit and plug it in again; the udev rule gives access only to the user "
           "logged in at the seat, not to a remote login";
}

void camera(const DoctorFacts& facts, std::vector<Finding>& findings) {
    // The agent may read a unit from elsewhere (--device); what it reads counts first.
    if (facts.agent && facts.agent->unitConnected) {
        findings.push_back(good("camera unit: connected to the agent, " + facts.agent->unitNode));
    } else if (facts.units.empty()) {
        findings.push_back(problem(
            "camera unit: not found (no hidraw device with vendor 2a3c, product 1201)",
            "plug the unit in, directly or through a powered hub; 'eboardctl devices' lists "
            "what is there"));
    } else {
        for (const DoctorFacts::Unit& unit : facts.units) {
            if (unit.openProblem.empty()) {
                findings.push_back(good("camera unit: " + unit.node + ", readable by you"));
            } else {
                findings.push_back(problem("camera unit: " + unit.node +
                                               " is not readable by you (" + unit.openProblem + ")",
                                           ruleFix(facts)));
            }
        }
    }
    if (!facts.udevRule.empty()) {
        findings.push_back(good("udev rule: " + facts.udevRule));
    } else {
        findings.push_back(problem(std::string("udev rule: ") + kUnitRulesFile +
                                       " is not installed: the unit is readable only by root",
                                   ruleFix(facts)));
    }
}

constexpr const char* kUinputFix =
    "'sudo apt install eboard-uinput-access', then log out and in (any program you run can then "
    "create input devices); or log in to an X11 session, where XTest needs nothing";

Finding pointer(const DoctorFacts& facts) {
    if (facts.agent) {
        const AgentStatus& agent = *facts.agent;
        if (agent.pointerMoves()) {
            return good("pointer: the agent moves it through " + agent.pointerBackend);
        }
        if (!agent.pointerBackend.empty()) {
            return problem("pointer: the agent only prints the pen's events (--pointer " +
                               agent.pointerBackend + ")",
                           "start eBoardAgent without --pointer log");
        }
        return problem("pointer: the agent cannot move it: " + agent.pointerProblem, kUinputFix);
    }
    if (facts.uinputProblem.empty()) {
        return good("pointer: /dev/uinput is writable, the pen moves the pointer through uinput");
    }
    if (facts.xtest && !waylandSession(facts)) {
        return good("pointer: XTest on display " + facts.display + " (/dev/uinput is not " +
                    "writable; uinput also works on Wayland: install eboard-uinput-access)");
    }
    const std::string fix = facts.uinputMissing
                                ? "'sudo modprobe uinput' loads the module now; " +
                                      std::string(kUinputFix) + " (which also loads it at boot)"
                                : kUinputFix;
    return problem(
        "pointer: nothing can move it: /dev/uinput is not writable (" + facts.uinputProblem + ")" +
            (waylandSession(facts) ? " and XTest does not reach the pointer of a Wayland session"
                                   : " and no X display with XTest opened"),
        fix);
}

Finding autostart(const DoctorFacts& facts) {
    const DoctorFacts::Autostart& entry = facts.autostart;
    const std::string fix =
        "copy the menu's entry: cp /usr/share/applications/eBoardAgent.desktop " +
        shellQuoted(entry.path);
    if (!entry.present) {
        return problem(
            "autostart: no entry at " + entry.path + ", the agent does not start at login", fix);
    }
    if (!entry.valid) {
        return problem("autostart: " + entry.path + " is no desktop entry with a command (Exec)",
                       "remove it and " + fix);
    }
    if (entry.disabled) {
        return good("autostart: turned off in " + entry.path);
    }
    if (!entry.programFound) {
        return problem("autostart: " + entry.path + " starts " + quoted(entry.program) +
                           ", which is not there",
                       "reinstall the eboard package, or remove the entry and " + fix);
    }
    return good("autostart: " + entry.path + " starts " + entry.program);
}

void dataFiles(const DoctorFacts& facts, std::vector<Finding>& findings) {
    if (facts.dataFileProblems.empty()) {
        findings.push_back(good("data files: each one there is a readable regular file"));
    }
    for (const DoctorFacts::DataFileProblem& trouble : facts.dataFileProblems) {
        std::string fix = "move it away, the agent writes a new one: mv ";
        fix += shellQuoted(trouble.path);
        fix += ' ';
        fix += shellQuoted(trouble.path + ".bad");
        findings.push_back(problem("data file: " + trouble.path + ": " + trouble.reason, fix));
    }
}

Finding calibration(const DoctorFacts& facts) {
    const std::string calibrate =
        "calibrate: choose Calibrate in the tray menu, or run 'eboardctl calibrate'";
    switch (facts.calibration) {
    case DoctorFacts::Calibration::Usable:
        return good("calibration: usable" + (facts.agent && !facts.agent->grade.empty()
                                                 ? ", graded " + facts.agent->grade
                                                 : std::string()));
    case DoctorFacts::Calibration::Missing:
        return problem("calibration: none stored (" + facts.archivePath +
                           "), the pen lands off its mark",
                       calibrate);
    case DoctorFacts::Calibration::Unreadable:
        return problem("calibration: " + facts.archivePath + " cannot be read", calibrate);
    case DoctorFacts::Calibration::Unusable:
        break;
    }
    return problem("calibration: its four corners enclose no area, the pen is ignored", calibrate);
}

constexpr const char* kOutputFix =
    "connect the projector to it, or choose the output it is on: 'eboardctl outputs' lists "
    "them, 'eboardctl output NAME' chooses one";

Finding board(const DoctorFacts& facts) {
    if (facts.agent) {
        const AgentStatus& agent = *facts.agent;
        if (agent.boardOutput.empty()) {
            return problem("board output: none connected", "connect the projector");
        }
        if (!agent.boardOnChosenOutput()) {
            return problem("board output: " + quoted(agent.boardChoice) +
                               " is chosen but not connected; the board is on the primary " +
                               quoted(agent.boardOutput),
                           kOutputFix);
        }
        return good("board output: " + quoted(agent.boardOutput));
    }
    if (facts.boardChoice == "primary") {
        return good("board output: the primary output");
    }
    if (!facts.connectedOutputs) {
        return problem("board output: " + quoted(facts.boardChoice) +
                           " is chosen; whether it is connected needs an X display",
                       "start eBoardAgent and run 'eboardctl doctor' again");
    }
    for (const std::string& output : *facts.connectedOutputs) {
        if (output == facts.boardChoice) {
            return good("board output: " + quoted(output) + " (chosen), connected");
        }
    }
    return problem("board output: " + quoted(facts.boardChoice) + " is chosen but not connected",
                   kOutputFix);
}

} // namespace

std::vector<Finding> diagnose(const DoctorFacts& facts) {
    std::vector<Finding> findings{session(facts)};
    if (waylandSession(facts)) {
        findings.push_back(xwayland(facts));
    }
    findings.push_back(agentLine(facts));
    findings.push_back(tray(facts));
    camera(facts, findings);
    findings.push_back(pointer(facts));
    findings.push_back(autostart(facts));
    dataFiles(facts, findings);
    findings.push_back(calibration(facts));
    findings.push_back(board(facts));
    return findings;
}

std::string formatFinding(const Finding& finding) {
    std::string text = (finding.ok ? "\u2713 " : "\u2717 ") + finding.text + "\n";
    if (!finding.ok && !finding.fix.empty()) {
        text += "  fix: " + finding.fix + "\n";
    }
    return text;
}

} // namespace eboard
