#pragma once

#include <string>
#include <utility>
#include <vector>

namespace eboard {

// What the running agent sees, as `eboardctl status` shows it and `eboardctl doctor`
// checks it. Travels as string pairs, so that an older or newer peer still reads what it
// knows.
struct AgentStatus {
    enum class Calibration { Usable, Unusable, NotCalibrated };

    bool unitConnected = false;
    std::string unitNode;       // the node or path read, while connected
    std::string pointerBackend; // "uinput", "xtest" or "log"; empty: none
    std::string pointerProblem; // why there is none
    std::string boardChoice;    // "primary" or an output's name
    std::string boardOutput;    // the output the board is on; empty: none
    Calibration calibration = Calibration::NotCalibrated;
    std::string grade;     // the stored calibration's result class, e.g. "normal-end"
    std::string smoothing; // as the agent logs it
    std::string session;   // session type, display and Qt platform

    bool pointerMoves() const { return !pointerBackend.empty() && pointerBackend != "log"; }
    // A named board output that is not connected leaves the board on the primary.
    bool boardOnChosenOutput() const {
        return boardChoice.empty() || boardChoice == "primary" || boardChoice == boardOutput;
    }

    friend bool operator==(const AgentStatus&, const AgentStatus&) = default;
};

using StatusEntries = std::vector<std::pair<std::string, std::string>>;

StatusEntries statusEntries(const AgentStatus& status);
// Unknown keys are skipped; missing ones leave the defaults.
AgentStatus agentStatusFrom(const StatusEntries& entries);

// One line each: unit, pointer, board output, calibration, smoothing, session.
std::vector<std::string> describeAgentStatus(const AgentStatus& status);

} // namespace eboard
