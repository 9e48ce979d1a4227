#pragma once
// The calibration workflow as one state machine: which stage of a run is open and what
// the agent does on each event. It decides and the status menu carries out: windows,
// cursor, shared state and announcements are actions in a list, so every rule of the
// workflow runs without a display.
//
// A run starts with a request (or with the camera advice's "go on") and ends once: graded,
// abandoned, cut short by the unit's removal or a new request, or not stored. A request
// that arrives while a run is past its start dialog ends that run first; a request while
// the start dialog is open only replaces the dialog.

#include "core/calibration/RunResult.h"
#include "core/state/JUXPrompt.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace eboard {

enum class RunStage : std::uint8_t {
    Idle,         // no run open (the end window of a finished one may still show)
    StartDialog,  // the start dialog of the run's type
    Preview,      // the camera preview
    Targets,      // the four-point target screen
    AwaitingLift, // four targets taken; the pen's lift completes the calibration
    Grading,      // the stored points are being graded
    Result,       // a grading window that offers a choice (excellent, poor, result screen)
    Advice,       // the camera-position advice
    Abort,        // the stop confirmation over the stage it may go back to
};
inline constexpr std::size_t kRunStageCount = 9;

// In the order a removed unit closes them.
enum class RunWindow : std::uint8_t {
    Preview,
    Targets,
    ResultScreen,
    StartNormal,
    Abort,
    NormalEnd,
    Poor,
    StartDiagnosis,
    Excellent,
    Advice,
    DeviceNotConnected,
    NotSaved,
};
inline constexpr std::size_t kRunWindowCount = 12;
// Covers the board screen, rather than a box centred on it.
bool isFullScreen(RunWindow window);

enum class RunEvent : std::uint8_t {
    RequestNormal,      // "StartCalibrate" with the unit connected
    RequestDiagnosis,   // "CompleteCalibrate" with the unit connected
    RequestWithoutUnit, // either request while no unit is connected
    Yes,                // the open dialog's affirmative answer
    No,                 // its negative answer
    Space,              // Space on the preview
    Escape,             // Escape on a stage
    Captured,           // the fourth target was taken
    Completed,          // the pen lifted and the calibration was stored
    NotSaved,           // the pen lifted but the calibration could not be stored
    GradedExcellent,
    GradedClass1,
    GradedClass2,
    GradedClass3,
    GradedNormalEnd,
    GradedPoor,
    ReCalibrate, // the camera-position advice was asked for
    Unplug,
    Replug,
};
inline constexpr std::size_t kRunEventCount = 19;

enum class RunActionKind : std::uint8_t {
    CloseAll,         // close and destroy every workflow window
    Open,             // open a new window of its kind, with its answers registered
    Close,            // close the window
    ShowCursor,       // show the cursor, however often it was hidden
    PointerMode,      // currentStatus 0, calibrateIndex 0, captured points dropped
    Announce,         // "CalibrateEnded" with the result
    Grade,            // grade the stored points, then hand the grade back as an event
    RequestDiagnosis, // post "CompleteCalibrate" on the bus; it arrives on a later pass
    PrepareRequest,   // take the board size, lay out the targets and the mapping anew
};

struct RunAction {
    RunActionKind kind;
    RunWindow window = RunWindow::Preview; // Open, Close
    RunResult result = RunResult::Aborted; // Announce
    friend bool operator==(const RunAction&, const RunAction&) = default;
};

struct CalibrationRun {
    RunStage stage = RunStage::Idle;
    RunStage abortReturn = RunStage::Idle;            // in Abort: where No goes back to
    RunWindow resultWindow = RunWindow::ResultScreen; // in Result: which window shows
    CalibrationType type = CalibrationType::Normal;   // iCalibrateType
    bool inProgress = false;                          // bInPrograss
    // The current run has told how it ended; true while there is none.
    bool announced = true;
    friend bool operator==(const CalibrationRun&, const CalibrationRun&) = default;
};

struct RunTransition {
    CalibrationRun next;
    std::vector<RunAction> actions;
};

// What the event does to the run: its next state and the actions, in order. An event
// that means nothing in the run's stage changes nothing and asks for nothing.
RunTransition transition(const CalibrationRun& run, RunEvent event);

RunEvent gradedEvent(ResultClass graded);

std::string_view runStageName(RunStage stage);
std::string_view runEventName(RunEvent event);
std::string_view runWindowName(RunWindow window);

} // namespace eboard
