#include "core/state/AgentStatus.h"

#include <array>
#include <string_view>

namespace eboard {

namespace {

using Calibration = AgentStatus::Calibration;

struct CalibrationWord {
    Calibration state;
    std::string_view word;
};

constexpr std::array<CalibrationWord, 3> kCalibrationWords{{
    {Calibration::Usable, "usable"},
    {Calibration::Unusable, "unusable"},
    {Calibration::NotCalibrated, "not-calibrated"},
}};

std::string_view wordOf(Calibration state) {
    for (const CalibrationWord& entry : kCalibrationWords) {
        if (entry.state == state) {
            return entry.word;
        }
    }
    return "not-calibrated";
}

// Every field with its key: the one list both directions read.
struct TextField {
    std::string_view key;
    std::string AgentStatus::*field;
};

constexpr std::array<TextField, 8> kTextFields{{
    {"node", &AgentStatus::unitNode},
    {"pointer", &AgentStatus::pointerBackend},
    {"pointer_problem", &AgentStatus::pointerProblem},
    {"board_choice", &AgentStatus::boardChoice},
    {"board_output", &AgentStatus::boardOutput},
    {"grade", &AgentStatus::grade},
    {"smoothing", &AgentStatus::smoothing},
    {"session", &AgentStatus::session},
}};

constexpr std::string_view kUnitKey = "unit";
constexpr std::string_view kCalibrationKey = "calibration";

std::string quoted(const std::string& name) {
    return "\"" + name + "\"";
}

std::string unitLine(const AgentStatus& status) {
    if (!status.unitConnected) {
        return "unit: not connected";
    }
    return "unit: connected" + (status.unitNode.empty() ? "" : ", " + status.unitNode);
}

std::string pointerLine(const AgentStatus& status) {
    if (status.pointerBackend.empty()) {
        return "pointer: none, the pen cannot move the pointer" +
               (status.pointerProblem.empty() ? "" : ": " + status.pointerProblem);
    }
    if (!status.pointerMoves()) {
        return "pointer: " + status.pointerBackend + ", events are only printed (a dry run)";
    }
    return "pointer: " + status.pointerBackend + ", moves the pointer";
}

std::string boardLine(const AgentStatus& status) {
    if (status.boardOutput.empty()) {
        return "board output: none";
    }
    std::string line = "board output: " + quoted(status.boardOutput);
    if (!status.boardOnChosenOutput()) {
        return line + ", the primary: the chosen " + quoted(status.boardChoice) +
               " is not connected";
    }
    return line + (status.boardChoice == "primary" || status.boardChoice.empty()
                       ? ", the primary output"
                       : " (chosen)");
}

std::string calibrationLine(const AgentStatus& status) {
    switch (status.calibration) {
    case Calibration::Usable:
        return "calibration: usable" + (status.grade.empty() ? "" : ", graded " + status.grade);
    case Calibration::Unusable:
        return "calibration: not usable, its corners enclose no area; the pen is ignored until "
               "the unit is calibrated";
    case Calibration::NotCalibrated:
        break;
    }
    return "calibration: none stored, the default corners are used until the unit is calibrated";
}

} // namespace

StatusEntries statusEntries(const AgentStatus& status) {
    StatusEntries entries;
    entries.emplace_back(kUnitKey, status.unitConnected ? "connected" : "not-connected");
    entries.emplace_back(kCalibrationKey, wordOf(status.calibration));
    for (const TextField& text : kTextFields) {
        entries.emplace_back(text.key, status.*text.field);
    }
    return entries;
}

AgentStatus agentStatusFrom(const StatusEntries& entries) {
    AgentStatus status;
    for (const auto& [key, value] : entries) {
        if (key == kUnitKey) {
            status.unitConnected = value == "connected";
        } else if (key == kCalibrationKey) {
            for (const CalibrationWord& entry : kCalibrationWords) {
                if (entry.word == value) {
                    status.calibration = entry.state;
                }
            }
        }
        for (const TextField& text : kTextFields) {
            if (text.key == key) {
                status.*text.field = value;
            }
        }
    }
    return status;
}

std::vector<std::string> describeAgentStatus(const AgentStatus& status) {
    return {unitLine(status),
            pointerLine(status),
            boardLine(status),
            calibrationLine(status),
            "smoothing: " + (status.smoothing.empty() ? std::string("unknown") : status.smoothing),
            "session: " + (status.session.empty() ? std::string("unknown") : status.session)};
}

} // namespace eboard
