#include "core/calibration/CalibrationRun.h"

#include <array>

namespace eboard {

namespace {

struct WindowInfo {
    std::string_view className;
    bool fullScreen;
};

// Indexed by RunWindow.
constexpr std::array<WindowInfo, kRunWindowCount> kWindows = {{
    {"CalibrationPreViewWindowController", true},
    {"CalibrateWindowController", true},
    {"CalibrateMessageWindowController", true},
    {"StartNormalCalibrateDlg", false},
    {"AbortWindowController", true},
    {"EndNormalCalibrateWindow", false},
    {"EndNormalCalibratePoorWindow", false},
    {"StartDiagnosisWindow", false},
    {"CalibrateExcellentWindow", true},
    {"CheckCamPositionWindow", true},
    {"DeviceDoNotConnectWindow", false},
    {"CalibrateNotSavedWindow", false},
}};

RunWindow startDialogOf(CalibrationType type) {
    return type == CalibrationType::Normal ? RunWindow::StartNormal : RunWindow::StartDiagnosis;
}

// Builds one transition: the next state and its actions, in order.
class Step {
public:
    explicit Step(const CalibrationRun& run)
        : run_(run) {}

    CalibrationRun& run() { return run_; }
    RunTransition done() { return {run_, std::move(actions_)}; }

    void add(RunActionKind kind) { actions_.push_back({kind}); }
    void open(RunWindow window) { actions_.push_back({RunActionKind::Open, window}); }
    void close(RunWindow window) { actions_.push_back({RunActionKind::Close, window}); }
    void say(RunResult result) { actions_.push_back({RunActionKind::Announce, {}, result}); }

    // Tells how the run ended, unless it already has.
    void announce(RunResult result) {
        if (!run_.announced) {
            say(result);
            run_.announced = true;
        }
    }
    // Every window gone, the cursor back, the pen pointing again.
    void clearStage() {
        add(RunActionKind::CloseAll);
        add(RunActionKind::ShowCursor);
        add(RunActionKind::PointerMode);
    }
    void beginRun() { run_.announced = false; }
    void to(RunStage stage) { run_.stage = stage; }
    void toIdle(bool inProgress) {
        run_.stage = RunStage::Idle;
        run_.inProgress = inProgress;
    }
    void toAbort() {
        run_.abortReturn = run_.stage;
        open(RunWindow::Abort);
        run_.stage = RunStage::Abort;
    }

private:
    CalibrationRun run_;
    std::vector<RunAction> actions_;
};

void request(Step& step, CalibrationType type) {
    CalibrationRun& run = step.run();
    if (run.stage == RunStage::StartDialog) {
        // The pending dialog is replaced; the run it began goes on with the new one.
        step.close(startDialogOf(run.type));
    } else {
        step.announce(RunResult::Aborted);
        step.clearStage();
        step.beginRun();
    }
    step.add(RunActionKind::PrepareRequest);
    run.type = type;
    step.open(startDialogOf(type));
    run.inProgress = true;
    step.to(RunStage::StartDialog);
}

void requestWithoutUnit(Step& step) {
    if (step.run().stage != RunStage::Idle) {
        step.announce(RunResult::Aborted);
        step.clearStage();
        step.toIdle(false);
    }
    step.add(RunActionKind::PrepareRequest);
    step.open(RunWindow::DeviceNotConnected);
    // A request that could not start a run is told apart from any run.
    step.say(RunResult::NotConnected);
}

void abandon(Step& step, RunWindow window) {
    step.close(window);
    step.announce(RunResult::Aborted);
    step.toIdle(false);
}

void answerYes(Step& step) {
    CalibrationRun& run = step.run();
    switch (run.stage) {
    case RunStage::StartDialog:
        step.close(startDialogOf(run.type));
        step.open(RunWindow::Preview);
        step.to(RunStage::Preview);
        break;
    case RunStage::Abort:
        abandon(step, RunWindow::Abort);
        break;
    case RunStage::Advice:
        // Back to the preview: a new run of the same type.
        step.close(RunWindow::Advice);
        step.beginRun();
        step.open(RunWindow::Preview);
        step.to(RunStage::Preview);
        break;
    case RunStage::Result:
        step.close(run.resultWindow);
        if (run.resultWindow == RunWindow::ResultScreen) {
            step.open(RunWindow::Advice);
            step.to(RunStage::Advice);
        } else {
            step.add(RunActionKind::RequestDiagnosis);
            step.to(RunStage::Idle);
        }
        break;
    default:
        break;
    }
}

void answerNo(Step& step) {
    CalibrationRun& run = step.run();
    switch (run.stage) {
    case RunStage::StartDialog:
        abandon(step, startDialogOf(run.type));
        break;
    case RunStage::Advice:
        abandon(step, RunWindow::Advice);
        break;
    case RunStage::Result:
        step.close(run.resultWindow);
        step.to(RunStage::Idle);
        break;
    case RunStage::Abort:
        step.close(RunWindow::Abort);
        switch (run.abortReturn) {
        case RunStage::Preview:
            step.open(RunWindow::Preview);
            break;
        case RunStage::Targets:
            step.open(RunWindow::Targets);
            break;
        case RunStage::Advice:
            step.open(RunWindow::Advice);
            break;
        default:
            // The result screen: graded again on the same points, told no second time.
            step.add(RunActionKind::Grade);
            step.to(RunStage::Grading);
            return;
        }
        step.to(run.abortReturn);
        break;
    default:
        break;
    }
}

void escape(Step& step) {
    CalibrationRun& run = step.run();
    switch (run.stage) {
    case RunStage::StartDialog:
        answerNo(step);
        break;
    case RunStage::Preview:
    case RunStage::Targets:
        step.close(run.stage == RunStage::Preview ? RunWindow::Preview : RunWindow::Targets);
        step.add(RunActionKind::ShowCursor);
        step.add(RunActionKind::PointerMode);
        step.toAbort();
        break;
    case RunStage::Result:
        if (run.resultWindow == RunWindow::ResultScreen) {
            step.close(RunWindow::ResultScreen);
            step.toAbort();
        }
        break;
    case RunStage::Advice:
        step.close(RunWindow::Advice);
        step.toAbort();
        break;
    default:
        break;
    }
}

// The pen lifted after a capture; a completion with no run waiting for it (the report
// path finished one on its own) is still graded and told as a run of its own.
bool takesCompletion(Step& step) {
    CalibrationRun& run = step.run();
    switch (run.stage) {
    case RunStage::AwaitingLift:
        return true;
    case RunStage::Result:
        step.close(run.resultWindow);
        [[fallthrough]];
    case RunStage::Idle:
        step.beginRun();
        return true;
    default:
        return false;
    }
}

void graded(Step& step, ResultClass result) {
    if (step.run().stage != RunStage::Grading) {
        return;
    }
    RunWindow window = RunWindow::ResultScreen;
    switch (result) {
    case ResultClass::Excellent:
        window = RunWindow::Excellent;
        break;
    case ResultClass::NormalEnd:
        window = RunWindow::NormalEnd;
        break;
    case ResultClass::Poor:
        window = RunWindow::Poor;
        break;
    default:
        break;
    }
    step.open(window);
    step.announce(runResultOf(result));
    step.run().resultWindow = window;
    // The normal end dialog only closes itself: the run is over once it shows.
    step.to(window == RunWindow::NormalEnd ? RunStage::Idle : RunStage::Result);
}

void unplug(Step& step) {
    CalibrationRun& run = step.run();
    if (run.stage == RunStage::Idle && !run.inProgress) {
        return;
    }
    step.clearStage();
    step.open(RunWindow::DeviceNotConnected);
    step.announce(RunResult::Disconnected);
    step.toIdle(false);
}

} // namespace

bool isFullScreen(RunWindow window) {
    return kWindows[static_cast<std::size_t>(window)].fullScreen;
}

std::string_view runWindowName(RunWindow window) {
    return kWindows[static_cast<std::size_t>(window)].className;
}

RunEvent gradedEvent(ResultClass graded) {
    switch (graded) {
    case ResultClass::Excellent:
        return RunEvent::GradedExcellent;
    case ResultClass::Class1:
        return RunEvent::GradedClass1;
    case ResultClass::Class2:
        return RunEvent::GradedClass2;
    case ResultClass::Class3:
        return RunEvent::GradedClass3;
    case ResultClass::NormalEnd:
        return RunEvent::GradedNormalEnd;
    case ResultClass::Poor:
        break;
    }
    return RunEvent::GradedPoor;
}

RunTransition transition(const CalibrationRun& run, RunEvent event) {
    Step step(run);
    switch (event) {
    case RunEvent::RequestNormal:
        request(step, CalibrationType::Normal);
        break;
    case RunEvent::RequestDiagnosis:
        request(step, CalibrationType::Diagnosis);
        break;
    case RunEvent::RequestWithoutUnit:
        requestWithoutUnit(step);
        break;
    case RunEvent::Yes:
        answerYes(step);
        break;
    case RunEvent::No:
        answerNo(step);
        break;
    case RunEvent::Space:
        if (run.stage == RunStage::Preview) {
            step.close(RunWindow::Preview);
            step.open(RunWindow::Targets);
            step.to(RunStage::Targets);
        }
        break;
    case RunEvent::Escape:
        escape(step);
        break;
    case RunEvent::Captured:
        if (run.stage == RunStage::Targets) {
            step.close(RunWindow::Targets);
            step.add(RunActionKind::ShowCursor);
            step.to(RunStage::AwaitingLift);
        }
        break;
    case RunEvent::Completed:
        if (takesCompletion(step)) {
            step.add(RunActionKind::Grade);
            step.to(RunStage::Grading);
        }
        break;
    case RunEvent::NotSaved:
        if (takesCompletion(step)) {
            step.open(RunWindow::NotSaved);
            step.announce(RunResult::NotSaved);
            step.toIdle(false);
        }
        break;
    case RunEvent::GradedExcellent:
        graded(step, ResultClass::Excellent);
        break;
    case RunEvent::GradedClass1:
        graded(step, ResultClass::Class1);
        break;
    case RunEvent::GradedClass2:
        graded(step, ResultClass::Class2);
        break;
    case RunEvent::GradedClass3:
        graded(step, ResultClass::Class3);
        break;
    case RunEvent::GradedNormalEnd:
        graded(step, ResultClass::NormalEnd);
        break;
    case RunEvent::GradedPoor:
        graded(step, ResultClass::Poor);
        break;
    case RunEvent::ReCalibrate:
        if (run.stage == RunStage::Idle) {
            step.open(RunWindow::Advice);
            step.to(RunStage::Advice);
        }
        break;
    case RunEvent::Unplug:
        unplug(step);
        break;
    case RunEvent::Replug:
        step.close(RunWindow::DeviceNotConnected);
        break;
    }
    return step.done();
}

std::string_view runStageName(RunStage stage) {
    static constexpr std::array<std::string_view, kRunStageCount> kNames = {
        "idle",    "start dialog", "preview", "targets",   "awaiting the lift",
        "grading", "result",       "advice",  "abort page"};
    return kNames[static_cast<std::size_t>(stage)];
}

std::string_view runEventName(RunEvent event) {
    static constexpr std::array<std::string_view, kRunEventCount> kNames = {"request",
                                                                            "diagnosis request",
                                                                            "request without unit",
                                                                            "yes",
                                                                            "no",
                                                                            "space",
                                                                            "escape",
                                                                            "captured",
                                                                            "completed",
                                                                            "not saved",
                                                                            "graded excellent",
                                                                            "graded class1",
                                                                            "graded class2",
                                                                            "graded class3",
                                                                            "graded normal-end",
                                                                            "graded poor",
                                                                            "recalibrate",
                                                                            "unplug",
                                                                            "replug"};
    return kNames[static_cast<std::size_t>(event)];
}

} // namespace eboard
