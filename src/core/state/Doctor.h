#pragma once
// What `eboardctl doctor` concludes from what it found: one finding per check, each
// problem with the exact fix. The facts are gathered elsewhere; the rules live here.

#include "core/state/AgentStatus.h"

#include <optional>
#include <string>
#include <vector>

namespace eboard {

struct DoctorFacts {
    // The session.
    std::string sessionType; // XDG_SESSION_TYPE
    std::string display;     // DISPLAY
    std::string waylandDisplay;
    std::string busProblem; // why there is no session bus; empty: there is one

    // The agent: whether it owns its name, and what it answered.
    bool agentRunning = false;
    std::optional<AgentStatus> agent;
    std::string agentProblem; // why it did not answer

    // Tray hosts.
    bool statusNotifierWatcher = false;
    bool xSystemTray = false;

    // The camera units found, and whether this user can read them.
    struct Unit {
        std::string node;
        std::string openProblem; // empty: readable
    };
    std::vector<Unit> units;
    std::string udevRule; // where the rule is installed; empty: nowhere

    // The pointer.
    std::string uinputProblem;  // why /dev/uinput is not writable; empty: it is
    bool uinputMissing = false; // the module is not loaded
    bool xtest = false;         // an X display with the XTEST extension opened

    // The login item.
    struct Autostart {
        std::string path;
        bool present = false;
        bool valid = false;    // a desktop entry whose TryExec (if any) is found
        bool disabled = false; // Hidden=true or X-GNOME-Autostart-enabled=false
        std::string program;   // Exec's program
        bool programFound = false;
    } autostart;

    // The data files that are there but cannot be read.
    struct DataFileProblem {
        std::string path;
        std::string reason;
    };
    std::vector<DataFileProblem> dataFileProblems;
    enum class Calibration { Usable, Missing, Unreadable, Unusable };
    Calibration calibration = Calibration::Missing;
    std::string archivePath;

    // The board output when no agent answers: the choice, and the X outputs if known.
    std::string boardChoice = "primary";
    std::optional<std::vector<std::string>> connectedOutputs;
};

struct Finding {
    bool ok = false;
    std::string text; // "subject: what was found"
    std::string fix;  // for a problem: what to do
};

std::vector<Finding> diagnose(const DoctorFacts& facts);

// "✓ text" or "✗ text" and an indented "fix: ..." line, each ending in a newline.
std::string formatFinding(const Finding& finding);

} // namespace eboard
