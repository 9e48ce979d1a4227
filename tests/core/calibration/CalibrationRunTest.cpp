// The calibration run's transition table: every stage under every event, then random
// event sequences through a model of the windows, the cursor and the parser's mode.
#include "core/calibration/CalibrationRun.h"

#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace eboard::testing {
namespace {

using enum RunEvent;

std::string windowName(RunWindow window) {
    static const char* const kNames[] = {"Preview",   "Targets",   "Result", "StartNormal",
                                         "Abort",     "NormalEnd", "Poor",   "StartDiag",
                                         "Excellent", "Advice",    "NoUnit", "NotSaved"};
    return kNames[static_cast<int>(window)];
}

// The actions in a short notation: "close:Preview open:Abort end:aborted".
std::string spell(const std::vector<RunAction>& actions) {
    std::string text;
    for (const RunAction& action : actions) {
        text += text.empty() ? "" : " ";
        switch (action.kind) {
        case RunActionKind::CloseAll:
            text += "closeAll";
            break;
        case RunActionKind::Open:
            text += "open:" + windowName(action.window);
            break;
        case RunActionKind::Close:
            text += "close:" + windowName(action.window);
            break;
        case RunActionKind::ShowCursor:
            text += "cursor";
            break;
        case RunActionKind::PointerMode:
            text += "pointer";
            break;
        case RunActionKind::Announce:
            text += "end:" + std::string(runResultName(action.result));
            break;
        case RunActionKind::Grade:
            text += "grade";
            break;
        case RunActionKind::RequestDiagnosis:
            text += "askDiagnosis";
            break;
        case RunActionKind::PrepareRequest:
            text += "prepare";
            break;
        }
    }
    return text;
}

CalibrationRun at(RunStage stage, bool announced = false) {
    CalibrationRun run;
    run.stage = stage;
    run.inProgress = stage != RunStage::Idle;
    run.announced = announced;
    return run;
}
CalibrationRun startDialog(CalibrationType type) {
    CalibrationRun run = at(RunStage::StartDialog);
    run.type = type;
    return run;
}
CalibrationRun result(RunWindow window) {
    CalibrationRun run = at(RunStage::Result, true);
    run.resultWindow = window;
    return run;
}
CalibrationRun abortOver(RunStage stage) {
    CalibrationRun run =
        at(RunStage::Abort, stage == RunStage::Result || stage == RunStage::Advice);
    run.abortReturn = stage;
    return run;
}

struct Cell {
    RunEvent event;
    RunStage next;
    const char* actions;
    bool clearsProgress = false; // the run is over for bInPrograss
};

struct Row {
    const char* name;
    CalibrationRun run;
    // A request or an unplug here ends a run that has not told its end yet.
    bool cutShort;
    std::vector<Cell> cells; // every other stage event changes nothing
};

const std::vector<Row>& rows() {
    using S = RunStage;
    static const std::vector<Row> kRows = {
        {"idle",
         at(S::Idle, true),
         false,
         {{Completed, S::Grading, "grade"},
          {NotSaved, S::Idle, "open:NotSaved end:not-saved", true},
          {ReCalibrate, S::Advice, "open:Advice"}}},
        {"normal start dialog",
         startDialog(CalibrationType::Normal),
         false,
         {{Yes, S::Preview, "close:StartNormal open:Preview"},
          {No, S::Idle, "close:StartNormal end:aborted", true},
          {Escape, S::Idle, "close:StartNormal end:aborted", true}}},
        {"diagnosis start dialog",
         startDialog(CalibrationType::Diagnosis),
         false,
         {{Yes, S::Preview, "close:StartDiag open:Preview"},
          {No, S::Idle, "close:StartDiag end:aborted", true},
          {Escape, S::Idle, "close:StartDiag end:aborted", true}}},
        {"preview",
         at(S::Preview),
         true,
         {{Space, S::Targets, "close:Preview open:Targets"},
          {Escape, S::Abort, "close:Preview cursor pointer open:Abort"}}},
        {"targets",
         at(S::Targets),
         true,
         {{Escape, S::Abort, "close:Targets cursor pointer open:Abort"},
          {Captured, S::AwaitingLift, "close:Targets cursor"}}},
        {"awaiting the lift",
         at(S::AwaitingLift),
         true,
         {{Completed, S::Grading, "grade"},
          {NotSaved, S::Idle, "open:NotSaved end:not-saved", true}}},
        {"grading",
         at(S::Grading),
         true,
         {{GradedExcellent, S::Result, "open:Excellent end:excellent"},
          {GradedClass1, S::Result, "open:Result end:class1"},
          {GradedClass2, S::Result, "open:Result end:class2"},
          {GradedClass3, S::Result, "open:Result end:class3"},
          {GradedNormalEnd, S::Idle, "open:NormalEnd end:normal-end"},
          {GradedPoor, S::Result, "open:Poor end:poor"}}},
        {"grading again",
         at(S::Grading, true),
         false,
         {{GradedExcellent, S::Result, "open:Excellent"},
          {GradedClass1, S::Result, "open:Result"},
          {GradedClass2, S::Result, "open:Result"},
          {GradedClass3, S::Result, "open:Result"},
          {GradedNormalEnd, S::Idle, "open:NormalEnd"},
          {GradedPoor, S::Result, "open:Poor"}}},
        {"result screen",
         result(RunWindow::ResultScreen),
         false,
         {{Yes, S::Advice, "close:Result open:Advice"},
          {No, S::Idle, "close:Result"},
          {Escape, S::Abort, "close:Result open:Abort"},
          {Completed, S::Grading, "close:Result grade"},
          {NotSaved, S::Idle, "close:Result open:NotSaved end:not-saved", true}}},
        {"excellent dialog",
         result(RunWindow::Excellent),
         false,
         {{Yes, S::Idle, "close:Excellent askDiagnosis"},
          {No, S::Idle, "close:Excellent"},
          {Completed, S::Grading, "close:Excellent grade"},
          {NotSaved, S::Idle, "close:Excellent open:NotSaved end:not-saved", true}}},
        {"poor end dialog",
         result(RunWindow::Poor),
         false,
         {{Yes, S::Idle, "close:Poor askDiagnosis"},
          {No, S::Idle, "close:Poor"},
          {Completed, S::Grading, "close:Poor grade"},
          {NotSaved, S::Idle, "close:Poor open:NotSaved end:not-saved", true}}},
        {"camera advice",
         at(S::Advice, true),
         false,
         {{Yes, S::Preview, "close:Advice open:Preview"},
          {No, S::Idle, "close:Advice", true},
          {Escape, S::Abort, "close:Advice open:Abort"}}},
        {"abort page over the preview",
         abortOver(S::Preview),
         true,
         {{Yes, S::Idle, "close:Abort end:aborted", true},
          {No, S::Preview, "close:Abort open:Preview"}}},
        {"abort page over the targets",
         abortOver(S::Targets),
         true,
         {{Yes, S::Idle, "close:Abort end:aborted", true},
          {No, S::Targets, "close:Abort open:Targets"}}},
        {"abort page over the result",
         abortOver(S::Result),
         false,
         {{Yes, S::Idle, "close:Abort", true}, {No, S::Grading, "close:Abort grade"}}},
        {"abort page over the advice",
         abortOver(S::Advice),
         false,
         {{Yes, S::Idle, "close:Abort", true}, {No, S::Advice, "close:Abort open:Advice"}}},
    };
    return kRows;
}

bool isRequestOrPlug(RunEvent event) {
    return event == RequestNormal || event == RequestDiagnosis || event == RequestWithoutUnit ||
           event == Unplug || event == Replug;
}

TEST(CalibrationRunTest, EveryStageUnderEveryStageEvent) {
    for (const Row& row : rows()) {
        for (std::size_t e = 0; e < kRunEventCount; ++e) {
            const auto event = static_cast<RunEvent>(e);
            if (isRequestOrPlug(event)) {
                continue;
            }
            SCOPED_TRACE(std::string(row.name) + " / " + std::string(runEventName(event)));
            const RunTransition step = transition(row.run, event);
            const Cell* cell = nullptr;
            for (const Cell& c : row.cells) {
                cell = c.event == event ? &c : cell;
            }
            if (cell == nullptr) {
                EXPECT_EQ(step.next, row.run) << "means nothing here";
                EXPECT_EQ(spell(step.actions), "");
                continue;
            }
            EXPECT_EQ(runStageName(step.next.stage), runStageName(cell->next));
            EXPECT_EQ(spell(step.actions), cell->actions);
            EXPECT_EQ(step.next.inProgress, row.run.inProgress && !cell->clearsProgress);
        }
    }
}

TEST(CalibrationRunTest, RequestsEndTheRunInProgressExceptAPendingStartDialog) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        const std::string told = row.cutShort ? "end:aborted " : "";
        const bool pending = row.run.stage == RunStage::StartDialog;
        const std::string replaced =
            pending ? "close:" + windowName(row.run.type == CalibrationType::Normal
                                                ? RunWindow::StartNormal
                                                : RunWindow::StartDiagnosis)
                    : "closeAll cursor pointer";
        for (const auto& [event, dialog] :
             {std::pair{RequestNormal, "StartNormal"}, std::pair{RequestDiagnosis, "StartDiag"}}) {
            const RunTransition step = transition(row.run, event);
            EXPECT_EQ(spell(step.actions), told + replaced + " prepare open:" + dialog);
            EXPECT_EQ(step.next.stage, RunStage::StartDialog);
            EXPECT_TRUE(step.next.inProgress);
            EXPECT_FALSE(step.next.announced) << "a run that has yet to tell its end";
            EXPECT_EQ(step.next.type, event == RequestNormal ? CalibrationType::Normal
                                                             : CalibrationType::Diagnosis);
        }
        // Without a unit even a pending start dialog's run ends.
        const RunTransition without = transition(row.run, RequestWithoutUnit);
        const std::string ended = row.run.stage == RunStage::Idle ? "" : "closeAll cursor pointer ";
        EXPECT_EQ(spell(without.actions), (pending ? "end:aborted " : told) + ended +
                                              "prepare open:NoUnit end:not-connected");
        EXPECT_EQ(without.next.stage, RunStage::Idle);
        EXPECT_EQ(without.next.type, row.run.type) << "a request that started nothing";
    }
}

TEST(CalibrationRunTest, UnplugEndsEveryStageAndReplugClosesTheNotConnectedDialog) {
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        const RunTransition unplugged = transition(row.run, Unplug);
        if (row.run.stage == RunStage::Idle) {
            EXPECT_EQ(spell(unplugged.actions), "") << "no run, nothing to end";
        } else {
            EXPECT_EQ(spell(unplugged.actions),
                      "closeAll cursor pointer open:NoUnit" +
                          std::string(row.cutShort || row.run.stage == RunStage::StartDialog
                                          ? " end:disconnected"
                                          : ""));
        }
        EXPECT_EQ(unplugged.next.stage, RunStage::Idle);
        EXPECT_FALSE(unplugged.next.inProgress);
        EXPECT_TRUE(unplugged.next.announced);

        const RunTransition replugged = transition(row.run, Replug);
        EXPECT_EQ(spell(replugged.actions), "close:NoUnit");
        EXPECT_EQ(replugged.next, row.run);
    }
    // A finished run leaves bInPrograss set: a later unplug still closes its end window.
    CalibrationRun finished = at(RunStage::Idle, true);
    finished.inProgress = true;
    EXPECT_EQ(spell(transition(finished, Unplug).actions), "closeAll cursor pointer open:NoUnit");
}

// The windows, the cursor and the parser's mode as the actions leave them, with the
// light points a target screen takes; every event is one the desktop could send then.
class World {
public:
    explicit World(std::uint32_t seed)
        : random_(seed) {}

    void step() {
        if (isOpen(RunWindow::Targets) && std::uniform_int_distribution(0, 9)(random_) > 1) {
            // A touch the target screen takes; the fourth closes it and sets the parser's
            // mode to wait for the lift.
            if (index_ < 3) {
                ++index_;
                return;
            }
            index_ = 0;
            status_ = 3;
            apply(Captured);
            return;
        }
        const RunEvent event = pickEvent();
        if (event == Completed || event == NotSaved) {
            status_ = 0; // the parser's completion gives the pen back
        }
        if (event == Unplug || event == Replug) {
            connected_ = event == Replug;
        }
        apply(event);
    }

    void checkInvariants() const {
        int fullScreen = 0;
        for (const RunWindow window : open_) {
            fullScreen += isFullScreen(window) ? 1 : 0;
        }
        EXPECT_LE(fullScreen, 1) << "at most one full-screen window";
        if (run_.stage == RunStage::Idle) {
            EXPECT_EQ(cursorHides_, 0) << "the cursor shows when no run is open";
            EXPECT_EQ(status_, 0) << "the pen points when no run is open";
            EXPECT_TRUE(run_.announced);
            EXPECT_TRUE(runEnds_ == 1 || !runStarted_) << "a run tells its end exactly once";
        }
        if (!isOpen(RunWindow::Targets)) {
            EXPECT_EQ(index_, 0) << "a target screen always starts at target 0";
        }
        EXPECT_LE(runEnds_, 1);
        const RunWindow* expected = stageWindow();
        if (expected != nullptr) {
            EXPECT_TRUE(isOpen(*expected)) << windowName(*expected) << " shows its stage";
        }
    }

    const CalibrationRun& run() const { return run_; }
    std::string trace;

private:
    bool isOpen(RunWindow window) const { return open_.count(window) != 0; }
    bool anyOpen(std::initializer_list<RunWindow> windows) const {
        for (const RunWindow window : windows) {
            if (isOpen(window)) {
                return true;
            }
        }
        return false;
    }

    const RunWindow* stageWindow() const {
        static const RunWindow kPreview = RunWindow::Preview;
        static const RunWindow kTargets = RunWindow::Targets;
        static const RunWindow kAdvice = RunWindow::Advice;
        static const RunWindow kAbort = RunWindow::Abort;
        switch (run_.stage) {
        case RunStage::Preview:
            return &kPreview;
        case RunStage::Targets:
            return &kTargets;
        case RunStage::Advice:
            return &kAdvice;
        case RunStage::Abort:
            return &kAbort;
        case RunStage::Result:
            return &run_.resultWindow;
        default:
            return nullptr;
        }
    }

    // What the windows open now can send, most of the time; otherwise a request or the
    // unit coming or going.
    RunEvent pickEvent() {
        std::vector<RunEvent> local;
        if (isOpen(RunWindow::Preview)) {
            local.insert(local.end(), {Space, Space, Escape});
        }
        if (isOpen(RunWindow::Targets)) {
            local.push_back(Escape);
        }
        if (anyOpen({RunWindow::StartNormal, RunWindow::StartDiagnosis, RunWindow::Advice,
                     RunWindow::Abort, RunWindow::ResultScreen, RunWindow::Excellent,
                     RunWindow::Poor})) {
            local.insert(local.end(), {Yes, Yes, No, Escape});
        }
        if (status_ == 3) {
            local.insert(local.end(), {Completed, Completed, NotSaved});
        }
        std::vector<RunEvent> external;
        if (connected_) {
            external.insert(external.end(), {RequestNormal, RequestDiagnosis, Unplug});
        } else {
            external.insert(external.end(), {RequestWithoutUnit, Replug});
        }
        const bool fromWindows = !local.empty() && std::uniform_int_distribution(0, 9)(random_) > 1;
        const std::vector<RunEvent>& choices = fromWindows ? local : external;
        return choices[std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(random_)];
    }

    void apply(RunEvent event) {
        trace += std::string(runEventName(event)) + " > ";
        // A new request or the advice's "go on" begins a new run; what the step tells
        // before it begins belongs to the run it ends.
        const bool begins = ((event == RequestNormal || event == RequestDiagnosis) &&
                             run_.stage != RunStage::StartDialog) ||
                            (event == Yes && run_.stage == RunStage::Advice);
        const RunTransition step = transition(run_, event);
        run_ = step.next;
        for (const RunAction& action : step.actions) {
            if (begins && action.kind == RunActionKind::Open) {
                beginRun();
            }
            carryOut(action);
        }
        trace += std::string(runStageName(run_.stage)) + "\n";
    }

    void beginRun() {
        EXPECT_TRUE(runEnds_ == 1 || !runStarted_) << "the run before told its end once";
        runStarted_ = true;
        runEnds_ = 0;
    }

    void carryOut(const RunAction& action) {
        switch (action.kind) {
        case RunActionKind::CloseAll:
            open_.clear();
            break;
        case RunActionKind::Open:
            open_.insert(action.window);
            if (action.window == RunWindow::Preview) {
                ++cursorHides_;
                status_ = 1;
            }
            if (action.window == RunWindow::Targets) {
                status_ = 2;
            }
            break;
        case RunActionKind::Close:
            open_.erase(action.window);
            break;
        case RunActionKind::ShowCursor:
            cursorHides_ = 0;
            break;
        case RunActionKind::PointerMode:
            status_ = 0;
            index_ = 0;
            break;
        case RunActionKind::Announce:
            runEnds_ += action.result == RunResult::NotConnected ? 0 : 1;
            break;
        case RunActionKind::Grade: {
            const bool diagnosis = run_.type == CalibrationType::Diagnosis;
            const std::vector<RunEvent> grades =
                diagnosis ? std::vector{GradedExcellent, GradedClass1, GradedClass2, GradedClass3}
                          : std::vector{GradedNormalEnd, GradedPoor};
            apply(
                grades[std::uniform_int_distribution<std::size_t>(0, grades.size() - 1)(random_)]);
            break;
        }
        case RunActionKind::RequestDiagnosis:
        case RunActionKind::PrepareRequest:
            break;
        }
    }

    std::mt19937 random_;
    CalibrationRun run_;
    std::set<RunWindow> open_;
    bool connected_ = true;
    int cursorHides_ = 0;
    int status_ = 0;
    int index_ = 0;
    bool runStarted_ = false;
    int runEnds_ = 0;
};

TEST(CalibrationRunTest, RandomEventSequencesKeepTheRunWhole) {
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        World world(seed);
        for (int i = 0; i < 120; ++i) {
            world.step();
            world.checkInvariants();
            if (::testing::Test::HasFailure()) {
                FAIL() << "seed " << seed << ":\n" << world.trace;
            }
        }
    }
}

} // namespace
} // namespace eboard::testing
