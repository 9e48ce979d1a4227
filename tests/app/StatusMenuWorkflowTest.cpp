// The calibration workflow through the status menu's handlers, in process: requests on
// a loopback bus, dialog answers as their buttons post them, the grading windows and the
// disconnects along the way.
#include "app/StatusMenu.h"
#include "core/base/DataPaths.h"
#include "core/calibration/CalibrationCompletion.h"
#include "core/calibration/SettingArchive.h"
#include "core/notify/NotificationCenter.h"
#include "core/state/JUXPrompt.h"
#include "support/EventLoop.h"
#include "support/LoopbackBus.h"
#include "support/ScopedEnv.h"
#include "support/SharedState.h"
#include "support/TempDir.h"
#include "ui/calibration/CalibrateMessageWindowController.h"
#include "ui/calibration/CalibrateWindowController.h"
#include "ui/calibration/CalibrationPreViewWindowController.h"
#include "ui/common/AgentWindow.h"
#include "ui/common/CursorHiding.h"
#include "ui/common/DrawnButton.h"
#include "ui/common/WindowKeys.h"
#include "ui/dialogs/AbortWindowController.h"
#include "ui/dialogs/CalibrateExcellentWindow.h"
#include "ui/dialogs/CalibrateNotSavedWindow.h"
#include "ui/dialogs/CheckCamPositionWindow.h"
#include "ui/dialogs/DeviceDoNotConnectWindow.h"
#include "ui/dialogs/DialogButtons.h"
#include "ui/dialogs/EndNormalCalibratePoorWindow.h"
#include "ui/dialogs/EndNormalCalibrateWindow.h"
#include "ui/dialogs/StartDiagnosisWindow.h"
#include "ui/dialogs/StartNormalCalibrateDlg.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>

namespace eboard::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::Pair;
using Names = std::vector<std::pair<std::string, std::string>>;

// A left click on the button, delivered as the window system would.
void press(QWidget* button) {
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    QMouseEvent down(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(button, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                   Qt::NoModifier);
    QCoreApplication::sendEvent(button, &up);
}

template <typename Controller> bool isOpen(const Controller* controller) {
    return controller != nullptr && controller->window() != nullptr &&
           controller->window()->isVisible();
}

SettingData rectangle(float width, float height) {
    // Slots: target 0 (upper left), target 2 (upper right), target 1, target 3.
    SettingData data;
    data.setRaw0_X(100);
    data.setRaw0_Y(100);
    data.setRaw1_X(100 + width);
    data.setRaw1_Y(100);
    data.setRaw2_X(100);
    data.setRaw2_Y(100 + height);
    data.setRaw3_X(100 + width);
    data.setRaw3_Y(100 + height);
    return data;
}

class StatusMenuWorkflowTest : public ::testing::Test {
protected:
    void SetUp() override {
        homeEnv.emplace("HOME", home.path().string());
        resetSharedState();
        JUXPrompt::getPrompt().setScreenWidth(1024);
        JUXPrompt::getPrompt().setScreenHeight(768);
        menu.setExitFunction([](int) {});
        menu.awakeFromNib();
        JUXPrompt::getPrompt().setIFirstCalibrate(1);
        local().postNotification("hidConnectOK");
        bus.posted.clear();
    }
    void TearDown() override {
        while (cursorHideCount() > 0) {
            showCursor();
        }
        resetSharedState();
    }

    static NotificationCenter& local() { return NotificationCenter::defaultCenter(); }

    void command(const char* name, const char* token = nullptr) {
        bus.postNotification(name, kCommandObject,
                             token != nullptr ? UserInfo{{"request", std::string(token)}}
                                              : UserInfo{});
        drainEvents();
    }

    // Each announced end with the request tokens it tells back: "aborted:A B".
    std::vector<std::string> endingsWithRequests() const {
        std::vector<std::string> told;
        for (const auto& posted : bus.posted) {
            if (posted.name != "CalibrateEnded") {
                continue;
            }
            std::string line;
            for (const auto& [key, value] : posted.userInfo) {
                line += (key == "request" ? ":" : "") + std::get<std::string>(value);
            }
            told.push_back(line);
        }
        return told;
    }

    // The results announced on the bus so far.
    std::vector<std::string> endings() const {
        std::vector<std::string> results;
        for (const auto& posted : bus.posted) {
            if (posted.name != "CalibrateEnded") {
                continue;
            }
            for (const auto& [key, value] : posted.userInfo) {
                if (key == "result") {
                    results.push_back(std::get<std::string>(value));
                }
            }
        }
        return results;
    }

    void grade(std::int32_t type, const SettingData& points) {
        JUXPrompt::getPrompt().setICalibrateType(type);
        JUXPrompt::getPrompt().settingData() = points;
        local().postNotification("CalibrateFinish");
    }

    // Start dialog, its affirmative button, the preview's Space: the target screen.
    void walkToTargets(const char* request) {
        command(request);
        if (std::string(request) == "StartCalibrate") {
            press(menu.StartNormalCtl()->btn_YES());
        } else {
            press(menu.startDiagnosisCtl()->btn_start());
        }
        ASSERT_TRUE(isOpen(menu.calPreviewWindowCtl()));
        menu.calPreviewWindowCtl()->keyUp(WindowKey::Space);
        ASSERT_TRUE(isOpen(menu.calWindowCtl()));
    }

    void touch(double x, double y) {
        JUXPrompt::getPrompt().setLightPointRaw({x, y});
        local().postNotification("UpdateCalibrate");
    }

    TempDir home;
    std::optional<ScopedEnv> homeEnv;
    LoopbackBus bus;
    StatusMenu menu{bus, [] { return true; }};
};

TEST_F(StatusMenuWorkflowTest, RequestWithoutUnitOpensOnlyTheNotConnectedDialog) {
    local().postNotification("hidConnectNG");
    bus.posted.clear();
    JUXPrompt::getPrompt().setICalibrateType(1);
    for (const char* request : {"StartCalibrate", "CompleteCalibrate"}) {
        command(request);
        EXPECT_TRUE(isOpen(menu.deviceNotConnectCtl())) << request;
        EXPECT_EQ(menu.StartNormalCtl(), nullptr);
        EXPECT_EQ(menu.startDiagnosisCtl(), nullptr);
        EXPECT_EQ(menu.answerPairs().size(), 0u);
        EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
        EXPECT_EQ(JUXPrompt::getPrompt().iCalibrateType(), 1) << "kept as it was";
    }
    EXPECT_THAT(endings(), ElementsAre("not-connected", "not-connected"));
    // Connecting closes the dialog.
    local().postNotification("hidConnectOK");
    EXPECT_FALSE(isOpen(menu.deviceNotConnectCtl()));
}

TEST_F(StatusMenuWorkflowTest, RequestOpensTheStartDialogWithOnePair) {
    command("StartCalibrate");
    StartNormalCalibrateDlg* first = menu.StartNormalCtl();
    ASSERT_TRUE(isOpen(first));
    EXPECT_EQ(first->btn_YES()->PostMessage(), "showCalibrationYes");
    EXPECT_EQ(first->btn_NO()->PostMessage(), "showCalibrationNo");
    EXPECT_TRUE(JUXPrompt::getPrompt().bInPrograss());
    EXPECT_EQ(JUXPrompt::getPrompt().iCalibrateType(), 0);
    EXPECT_GT(JUXPrompt::getPrompt().screenWidth(), 0);

    // A second request replaces the pending dialog: no end of a run is announced.
    command("StartCalibrate");
    ASSERT_NE(menu.StartNormalCtl(), first);
    EXPECT_TRUE(isOpen(menu.StartNormalCtl()));
    EXPECT_THAT(menu.answerPairs().pairs(),
                ElementsAre(Pair("showCalibrationYes", "showCalibrationNo")));
    EXPECT_TRUE(JUXPrompt::getPrompt().bInPrograss());

    // A diagnosis request closes the normal dialog, not a diagnosis one.
    StartNormalCalibrateDlg* normal = menu.StartNormalCtl();
    command("CompleteCalibrate");
    EXPECT_FALSE(isOpen(normal));
    ASSERT_TRUE(isOpen(menu.startDiagnosisCtl()));
    EXPECT_EQ(menu.startDiagnosisCtl()->btn_cancel()->PostMessage(), "showCalibrationNo");
    EXPECT_EQ(JUXPrompt::getPrompt().iCalibrateType(), 1);
    EXPECT_EQ(menu.answerPairs().size(), 1u);
    EXPECT_TRUE(endings().empty());

    press(menu.startDiagnosisCtl()->btn_cancel());
    EXPECT_FALSE(isOpen(menu.startDiagnosisCtl()));
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
    EXPECT_EQ(menu.answerPairs().size(), 0u);
    EXPECT_THAT(endings(), ElementsAre("aborted"));
}

TEST_F(StatusMenuWorkflowTest, NormalCalibrationStoresTheTouchedPointsAndEnds) {
    walkToTargets("StartCalibrate");
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kTargetCaptureMode);
    EXPECT_FALSE(isOpen(menu.StartNormalCtl()));
    EXPECT_FALSE(isOpen(menu.calPreviewWindowCtl()));
    EXPECT_EQ(menu.answerPairs().size(), 0u);
    // Targets 0 to 3: upper left, lower left, upper right, lower right.
    touch(150, 120);
    touch(160, 650);
    touch(880, 110);
    touch(890, 640);
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kTargetsCapturedMode);
    EXPECT_FALSE(isOpen(menu.calWindowCtl()));
    completeCalibration(); // the pen lifts
    const SettingArchiveLoad stored = readSettingArchive(archivePath());
    ASSERT_EQ(stored.outcome, SettingArchiveLoad::Outcome::Loaded);
    EXPECT_EQ(stored.data.Raw0_X(), 150);
    EXPECT_EQ(stored.data.Raw1_X(), 880);
    EXPECT_EQ(stored.data.Raw2_Y(), 650);
    EXPECT_EQ(stored.data.Raw3_Y(), 640);
    EXPECT_TRUE(isOpen(menu.EndNormalCrl()));
    EXPECT_EQ(menu.answerPairs().size(), 0u);
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_THAT(endings(), ElementsAre("normal-end"));
    EXPECT_TRUE(JUXPrompt::getPrompt().bInPrograss()) << "a finished run leaves it set";

    // A later unplug still shows the not-connected dialog, but ends no run.
    press(menu.EndNormalCrl()->btn_EndNormalCal_OK());
    bus.posted.clear();
    local().postNotification("hidConnectNG");
    EXPECT_TRUE(isOpen(menu.deviceNotConnectCtl()));
    EXPECT_TRUE(endings().empty());
}

TEST_F(StatusMenuWorkflowTest, GradingOpensOneWindowPerResult) {
    struct Case {
        std::int32_t type;
        SettingData points;
        const char* result;
        Names pairs;
    };
    const Case cases[] = {
        {1, rectangle(900, 700), "excellent", {{"ExcellentClose", "ExcellentRestart"}}},
        {1, rectangle(600, 420), "class1", {{"DiagnosisClose", "DiagnosisRestart"}}},
        {1, rectangle(400, 250), "class2", {{"DiagnosisClose", "DiagnosisRestart"}}},
        {1, rectangle(200, 200), "class3", {{"DiagnosisClose", "DiagnosisRestart"}}},
        {0, rectangle(400, 250), "normal-end", {}},
        {0, rectangle(200, 200), "poor", {{"NormalCalibrateToDiagnosis", "NormalCalibrateEnd"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.result);
        // Twice on the same points: the same window again, its pair once.
        for (int run = 0; run < 2; ++run) {
            bus.posted.clear();
            grade(c.type, c.points);
            EXPECT_THAT(endings(), ElementsAre(c.result));
            EXPECT_EQ(menu.answerPairs().pairs(), c.pairs);
        }
        const std::string result = c.result;
        if (result == "excellent") {
            ASSERT_TRUE(isOpen(menu.calibrateExcellentCtl()));
            EXPECT_EQ(menu.calibrateExcellentCtl()->btn_FinishDia()->PostMessage(),
                      "ExcellentClose");
            EXPECT_EQ(menu.calibrateExcellentCtl()->btn_RetryDia()->PostMessage(),
                      "ExcellentRestart");
            press(menu.calibrateExcellentCtl()->btn_FinishDia());
            EXPECT_FALSE(isOpen(menu.calibrateExcellentCtl()));
        } else if (result.starts_with("class")) {
            ASSERT_TRUE(isOpen(menu.finishCalibrationCtl()));
            EXPECT_EQ(menu.finishCalibrationCtl()->btn_Start()->PostMessage(), "DiagnosisRestart");
            EXPECT_EQ(menu.finishCalibrationCtl()->btn_close()->PostMessage(), "DiagnosisClose");
            press(menu.finishCalibrationCtl()->btn_close());
            EXPECT_FALSE(isOpen(menu.finishCalibrationCtl()));
        } else if (result == "normal-end") {
            ASSERT_TRUE(isOpen(menu.EndNormalCrl()));
            press(menu.EndNormalCrl()->btn_EndNormalCal_OK());
            EXPECT_FALSE(isOpen(menu.EndNormalCrl()));
        } else {
            ASSERT_TRUE(isOpen(menu.EndNormalPoorCtl()));
            EXPECT_EQ(menu.EndNormalPoorCtl()->btn_End_StartDia()->PostMessage(),
                      "NormalCalibrateToDiagnosis");
            press(menu.EndNormalPoorCtl()->btn_End_FinishCal());
            EXPECT_FALSE(isOpen(menu.EndNormalPoorCtl()));
        }
        EXPECT_EQ(menu.answerPairs().size(), 0u);
    }
    EXPECT_GT(JUXPrompt::getPrompt().iAreaTotalPer(), 0);
}

TEST_F(StatusMenuWorkflowTest, ResultButtonsLeadOnToTheNextStage) {
    // Poor end: "start diagnosis" asks for a diagnosis on a later pass.
    command("StartCalibrate");
    press(menu.StartNormalCtl()->btn_NO());
    grade(0, rectangle(200, 200));
    press(menu.EndNormalPoorCtl()->btn_End_StartDia());
    EXPECT_EQ(bus.posted.back().name, "CompleteCalibrate");
    drainEvents();
    EXPECT_TRUE(isOpen(menu.startDiagnosisCtl()));
    press(menu.startDiagnosisCtl()->btn_cancel());

    // Excellent: retry starts a new diagnosis.
    grade(1, rectangle(900, 700));
    press(menu.calibrateExcellentCtl()->btn_RetryDia());
    EXPECT_FALSE(isOpen(menu.calibrateExcellentCtl()));
    drainEvents();
    EXPECT_TRUE(isOpen(menu.startDiagnosisCtl()));
    press(menu.startDiagnosisCtl()->btn_cancel());

    // Class result: start leads to the camera-position dialog, whose affirmative button
    // returns to the preview with the same type.
    grade(1, rectangle(200, 200));
    press(menu.finishCalibrationCtl()->btn_Start());
    ASSERT_TRUE(isOpen(menu.checkCamPositionCtl()));
    EXPECT_THAT(menu.answerPairs().pairs(),
                ElementsAre(Pair("restartCalibrationYes", "restartCalibrationNo")));
    press(menu.checkCamPositionCtl()->btn_Sd());
    EXPECT_FALSE(isOpen(menu.checkCamPositionCtl()));
    EXPECT_TRUE(isOpen(menu.calPreviewWindowCtl()));
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPreviewMode);
    EXPECT_EQ(JUXPrompt::getPrompt().iCalibrateType(), 1);
    EXPECT_EQ(menu.answerPairs().size(), 0u);
}

TEST_F(StatusMenuWorkflowTest, EscapeOnEveryStageWithBothAnswers) {
    // Preview: no returns to a new preview; yes abandons the run.
    command("StartCalibrate");
    press(menu.StartNormalCtl()->btn_YES());
    CalibrationPreViewWindowController* preview = menu.calPreviewWindowCtl();
    preview->keyUp(WindowKey::Escape);
    ASSERT_TRUE(isOpen(menu.abortWindowctl()));
    EXPECT_EQ(menu.abortWindowctl()->btn_AbortNo()->PostMessage(), "StopCalPreviewNo");
    press(menu.abortWindowctl()->btn_AbortNo());
    EXPECT_NE(menu.calPreviewWindowCtl(), preview);
    EXPECT_TRUE(isOpen(menu.calPreviewWindowCtl()));
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPreviewMode);
    menu.calPreviewWindowCtl()->keyUp(WindowKey::Escape);
    press(menu.abortWindowctl()->btn_AbortYes());
    EXPECT_FALSE(isOpen(menu.abortWindowctl()));
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
    EXPECT_EQ(cursorHideCount(), 0);

    // Target screen: no restarts the capture at target 0.
    walkToTargets("StartCalibrate");
    touch(150, 120);
    EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 1);
    menu.calWindowCtl()->keyUp(WindowKey::Escape);
    EXPECT_EQ(menu.abortWindowctl()->btn_AbortYes()->PostMessage(), "StopCalYes");
    press(menu.abortWindowctl()->btn_AbortNo());
    EXPECT_TRUE(isOpen(menu.calWindowCtl()));
    EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 0);
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kTargetCaptureMode);
    menu.calWindowCtl()->keyUp(WindowKey::Escape);
    press(menu.abortWindowctl()->btn_AbortYes());
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());

    // Result screen: no grades again and reopens the same kind of window.
    JUXPrompt::getPrompt().setBInPrograss(true);
    grade(1, rectangle(400, 250));
    menu.finishCalibrationCtl()->keyUp(WindowKey::Escape);
    EXPECT_FALSE(isOpen(menu.finishCalibrationCtl()));
    EXPECT_THAT(menu.answerPairs().pairs(), ElementsAre(Pair("StopResultYes", "StopResultNo")))
        << "only the open dialog answers";
    bus.posted.clear();
    press(menu.abortWindowctl()->btn_AbortNo());
    EXPECT_TRUE(isOpen(menu.finishCalibrationCtl()));
    EXPECT_TRUE(endings().empty()) << "the run told its end once, when it was first graded";
    EXPECT_THAT(menu.answerPairs().pairs(),
                ElementsAre(Pair("DiagnosisClose", "DiagnosisRestart")));
    menu.finishCalibrationCtl()->keyUp(WindowKey::Escape);
    press(menu.abortWindowctl()->btn_AbortYes());
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());

    // Camera-position dialog: no shows it again.
    JUXPrompt::getPrompt().setBInPrograss(true);
    local().postNotification("ReCalibrate");
    CheckCamPositionWindow* advice = menu.checkCamPositionCtl();
    ASSERT_TRUE(isOpen(advice));
    local().postNotification("StopCheckPosition");
    advice->close(); // the dialog closes itself on Escape
    EXPECT_THAT(menu.answerPairs().pairs(),
                ElementsAre(Pair("StopCheckPositionYes", "StopCheckPositionNo")));
    press(menu.abortWindowctl()->btn_AbortNo());
    EXPECT_NE(menu.checkCamPositionCtl(), advice);
    EXPECT_TRUE(isOpen(menu.checkCamPositionCtl()));
    EXPECT_FALSE(isOpen(menu.abortWindowctl()));
    local().postNotification("StopCheckPosition");
    menu.checkCamPositionCtl()->close();
    press(menu.abortWindowctl()->btn_AbortYes());
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
    EXPECT_EQ(menu.answerPairs().size(), 0u);
}

TEST_F(StatusMenuWorkflowTest, UnplugDuringTheTargetsClosesEverythingAndReturnsToPointerMode) {
    const SettingData before = rectangle(700, 500);
    JUXPrompt::getPrompt().settingData() = before;
    walkToTargets("StartCalibrate");
    touch(150, 120);
    EXPECT_EQ(cursorHideCount(), 1) << "the preview hid the cursor";
    bus.posted.clear();

    local().postNotification("hidConnectNG");
    EXPECT_EQ(cursorHideCount(), 0);
    EXPECT_FALSE(isOpen(menu.calWindowCtl()));
    EXPECT_FALSE(isOpen(menu.calPreviewWindowCtl()));
    EXPECT_TRUE(isOpen(menu.deviceNotConnectCtl()));
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 0);
    EXPECT_THAT(endings(), ElementsAre("disconnected"));

    // After a replug, touches that reach the target screen's name are nobody's.
    local().postNotification("hidConnectOK");
    EXPECT_FALSE(isOpen(menu.deviceNotConnectCtl()));
    for (int i = 0; i < 4; ++i) {
        touch(100.0 + 200 * i, 100.0 + 150 * i);
    }
    EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 0);
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_EQ(JUXPrompt::getPrompt().settingData(), before);
}

TEST_F(StatusMenuWorkflowTest, UnplugDuringAnyStageClosesItAndTheNextTouchesPoint) {
    const std::vector<std::pair<const char*, std::function<void()>>> stages = {
        {"start dialog", [&] { command("CompleteCalibrate"); }},
        {"preview",
         [&] {
             command("StartCalibrate");
             press(menu.StartNormalCtl()->btn_YES());
         }},
        {"targets",
         [&] {
             walkToTargets("StartCalibrate");
             touch(150, 120);
         }},
        {"stop dialog over the targets",
         [&] {
             walkToTargets("CompleteCalibrate");
             menu.calWindowCtl()->keyUp(WindowKey::Escape);
         }},
        {"result screen", [&] { grade(1, rectangle(200, 200)); }},
        {"excellent dialog", [&] { grade(1, rectangle(900, 700)); }},
        {"poor end dialog", [&] { grade(0, rectangle(200, 200)); }},
        {"normal end dialog", [&] { grade(0, rectangle(600, 420)); }},
        {"camera-position dialog", [&] { local().postNotification("ReCalibrate"); }},
    };
    for (const auto& [stage, reach] : stages) {
        SCOPED_TRACE(stage);
        JUXPrompt::getPrompt().setBInPrograss(true);
        reach();
        local().postNotification("hidConnectNG");
        EXPECT_FALSE(isOpen(menu.calPreviewWindowCtl()));
        EXPECT_FALSE(isOpen(menu.calWindowCtl()));
        EXPECT_FALSE(isOpen(menu.finishCalibrationCtl()));
        EXPECT_FALSE(isOpen(menu.StartNormalCtl()));
        EXPECT_FALSE(isOpen(menu.abortWindowctl()));
        EXPECT_FALSE(isOpen(menu.EndNormalCrl()));
        EXPECT_FALSE(isOpen(menu.EndNormalPoorCtl()));
        EXPECT_FALSE(isOpen(menu.startDiagnosisCtl()));
        EXPECT_FALSE(isOpen(menu.calibrateExcellentCtl()));
        EXPECT_FALSE(isOpen(menu.checkCamPositionCtl()));
        EXPECT_TRUE(isOpen(menu.deviceNotConnectCtl()));
        EXPECT_EQ(cursorHideCount(), 0);
        EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
        EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
        EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 0);
        local().postNotification("hidConnectOK");
        touch(500, 500);
        local().postNotification("UpdatePreView");
        EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 0);
        EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
    }
}

// A window of the workflow that covers the board screen is open.
bool fullScreenOpen(const StatusMenu& menu) {
    for (std::size_t i = 0; i < kRunWindowCount; ++i) {
        const auto window = static_cast<RunWindow>(i);
        if (isFullScreen(window) && menu.workflowWindows().isOpen(window)) {
            return true;
        }
    }
    return false;
}

TEST_F(StatusMenuWorkflowTest, ANewRequestEndsTheRunInProgressAndOnlyTheNewRunIsStored) {
    walkToTargets("StartCalibrate");
    touch(150, 120);
    touch(160, 650);
    command("StartCalibrate");
    EXPECT_FALSE(fullScreenOpen(menu)) << "the abandoned target screen is gone";
    EXPECT_EQ(cursorHideCount(), 0);
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_EQ(JUXPrompt::getPrompt().calibrateIndex(), 0);
    EXPECT_TRUE(JUXPrompt::getPrompt().CalibratePoint().empty());
    EXPECT_THAT(endings(), ElementsAre("aborted"));

    press(menu.StartNormalCtl()->btn_YES());
    menu.calPreviewWindowCtl()->keyUp(WindowKey::Space);
    for (const auto& [x, y] :
         {std::pair{300.0, 200.0}, {310.0, 600.0}, {800.0, 210.0}, {790.0, 590.0}}) {
        touch(x, y);
    }
    completeCalibration();
    EXPECT_EQ(readSettingArchive(archivePath()).data,
              SettingData({300, 200, 800, 210, 310, 600, 790, 590}));
    EXPECT_THAT(endings(), ElementsAre("aborted", "normal-end"));
}

TEST_F(StatusMenuWorkflowTest, ARequestBesideEveryLaterStageEndsItBeforeItsStartDialog) {
    struct Stage {
        const char* name;
        std::function<void()> reach;
        std::vector<std::string> told; // what the ended run announces
    };
    const std::vector<Stage> stages = {
        {"preview",
         [&] {
             command("StartCalibrate");
             press(menu.StartNormalCtl()->btn_YES());
         },
         {"aborted"}},
        {"targets", [&] { walkToTargets("StartCalibrate"); }, {"aborted"}},
        {"awaiting the lift",
         [&] {
             walkToTargets("StartCalibrate");
             for (int i = 0; i < 4; ++i) {
                 touch(100.0 + 250 * i, 100.0 + 180 * i);
             }
         },
         {"aborted"}},
        {"stop page over the preview",
         [&] {
             command("StartCalibrate");
             press(menu.StartNormalCtl()->btn_YES());
             menu.calPreviewWindowCtl()->keyUp(WindowKey::Escape);
         },
         {"aborted"}},
        {"result screen", [&] { grade(1, rectangle(200, 200)); }, {"class3"}},
        {"camera advice",
         [&] {
             grade(1, rectangle(200, 200));
             press(menu.finishCalibrationCtl()->btn_Start());
         },
         {"class3"}},
    };
    for (const Stage& stage : stages) {
        SCOPED_TRACE(stage.name);
        bus.posted.clear();
        stage.reach();
        command("CompleteCalibrate");
        EXPECT_FALSE(fullScreenOpen(menu));
        EXPECT_TRUE(isOpen(menu.startDiagnosisCtl()));
        EXPECT_EQ(cursorHideCount(), 0);
        EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
        EXPECT_EQ(JUXPrompt::getPrompt().iCalibrateType(), 1);
        EXPECT_EQ(endings(), stage.told) << "one end per run";
        // Cancelling the new start dialog leaves nothing running behind it.
        press(menu.startDiagnosisCtl()->btn_cancel());
        EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
        EXPECT_FALSE(menu.workflowWindows().anyOpen());
    }
}

TEST_F(StatusMenuWorkflowTest, EachEndTellsBackTheRequestsItsRunAnswers) {
    command("StartCalibrate", "A");
    command("CompleteCalibrate", "B"); // replaces A's start dialog: one run for both
    press(menu.startDiagnosisCtl()->btn_start());
    command("StartCalibrate", "C"); // cuts the preview short
    command("StartCalibrate");      // from the menu: C's run goes on with its dialog
    press(menu.StartNormalCtl()->btn_NO());
    local().postNotification("hidConnectNG");
    command("StartCalibrate", "D");
    command("StartCalibrate", "bad token");
    EXPECT_THAT(endingsWithRequests(),
                ElementsAre("aborted:A B", "aborted:C", "not-connected:D", "not-connected"));
}

TEST_F(StatusMenuWorkflowTest, UnplugBeforeThePenLiftsEndsTheRunAsDisconnected) {
    const SettingData before = rectangle(700, 500);
    JUXPrompt::getPrompt().settingData() = before;
    walkToTargets("StartCalibrate");
    for (int i = 0; i < 4; ++i) {
        touch(100.0 + 250 * i, 100.0 + 180 * i);
    }
    ASSERT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kTargetsCapturedMode);
    local().postNotification("hidConnectNG");
    EXPECT_THAT(endings(), ElementsAre("disconnected"));
    EXPECT_EQ(JUXPrompt::getPrompt().currentStatus(), JUXPrompt::kPointerMode);
    EXPECT_TRUE(JUXPrompt::getPrompt().CalibratePoint().empty());
    EXPECT_TRUE(isOpen(menu.deviceNotConnectCtl()));
    EXPECT_EQ(JUXPrompt::getPrompt().settingData(), before);
}

TEST_F(StatusMenuWorkflowTest, ACalibrationThatCannotBeStoredSaysSoAndWhy) {
    walkToTargets("StartCalibrate");
    for (int i = 0; i < 4; ++i) {
        touch(100.0 + 250 * i, 100.0 + 180 * i);
    }
    std::filesystem::create_directories(archivePath()); // a folder where the archive belongs
    completeCalibration();
    ASSERT_TRUE(isOpen(menu.notSavedCtl()));
    EXPECT_TRUE(menu.notSavedCtl()->txt_Content()->text().contains(
        QString::fromStdString(archivePath().string())));
    EXPECT_FALSE(isOpen(menu.EndNormalCrl()));
    EXPECT_THAT(endings(), ElementsAre("not-saved"));
    EXPECT_FALSE(JUXPrompt::getPrompt().bInPrograss());
    EXPECT_TRUE(std::filesystem::is_directory(archivePath())) << "what was there stays";
}

TEST_F(StatusMenuWorkflowTest, ResultScreenHandsTheEdgeFindingsToTheAdvice) {
    struct Case {
        const char* what;
        SettingData points;
        std::int32_t hint; // 0 long edge, 1 unequal edges, 2 edges fine
    };
    SettingData unequal = rectangle(600, 400); // left edge 400 raw, 500 scaled
    unequal.setRaw1_Y(150);                    // right edge 300 raw: ratio 75
    unequal.setRaw3_Y(450);
    SettingData longUnequal = rectangle(600, 500); // left edge 625 scaled, above 500
    longUnequal.setRaw1_Y(200);
    longUnequal.setRaw3_Y(500);
    const Case cases[] = {
        {"equal short edges", rectangle(200, 200), 2},
        {"unequal edges", unequal, 1},
        {"a long edge, unequal", longUnequal, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        JUXPrompt::getPrompt().setItoScreenErrorType(-1);
        grade(1, c.points);
        ASSERT_TRUE(isOpen(menu.finishCalibrationCtl()));
        // The screen records the code as it draws its picture.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            return JUXPrompt::getPrompt().itoScreenErrorType() == c.hint;
        })) << JUXPrompt::getPrompt().itoScreenErrorType();
        press(menu.finishCalibrationCtl()->btn_Start());
        ASSERT_TRUE(isOpen(menu.checkCamPositionCtl()));
        press(menu.checkCamPositionCtl()->btn_cancel());
        EXPECT_FALSE(isOpen(menu.checkCamPositionCtl()));
        EXPECT_EQ(menu.answerPairs().size(), 0u);
    }
}

TEST_F(StatusMenuWorkflowTest, UnplugLeavesAnOpenDialogsPairForItsNextAnswer) {
    command("StartCalibrate");
    local().postNotification("hidConnectNG");
    EXPECT_FALSE(isOpen(menu.StartNormalCtl()));
    EXPECT_EQ(menu.answerPairs().size(), 1u);
    local().postNotification("hidConnectOK");
    // The next request's own "showCalibrationNo" removes the stale pair.
    command("CompleteCalibrate");
    EXPECT_THAT(menu.answerPairs().pairs(),
                ElementsAre(Pair("showCalibrationYes", "showCalibrationNo")));
    EXPECT_TRUE(isOpen(menu.startDiagnosisCtl()));
    EXPECT_TRUE(JUXPrompt::getPrompt().bInPrograss());

    // Unplugging while no run is in progress only announces.
    press(menu.startDiagnosisCtl()->btn_cancel());
    bus.posted.clear();
    local().postNotification("hidConnectNG");
    EXPECT_FALSE(isOpen(menu.deviceNotConnectCtl()));
    EXPECT_THAT(bus.postedNames(), ElementsAre("HN42DisConnected"));
}

} // namespace
} // namespace eboard::testing
