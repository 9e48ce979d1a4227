// Calibration and diagnosis runs through the real agent: requests from eboardctl, the
// windows on the X display answered with clicks and keys through XTest, light points
// from an emulated camera unit (umockdev), and how each run ends as eboardctl reports it.
// Runs under umockdev-wrapper, which the agent child inherits.
#include "core/base/DataPaths.h"
#include "core/calibration/SettingArchive.h"
#include "core/calibration/Thresholds.h"
#include "core/layout/DialogLayout.h"
#include "core/layout/PreviewLayout.h"
#include "core/layout/ResultLayout.h"
#include "core/pen/ProjectiveMapping.h"
#include "support/AgentTest.h"
#include "support/EventLoop.h"
#include "support/MockUnitBed.h"
#include "support/OddFiles.h"
#include "support/PenPipeline.h"
#include "support/XDesktop.h"

#include <QProcess>
#include <QRect>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <thread>

namespace eboard::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// The boxed dialogs are 520 x 300, centred on the screen; a button's frame is given from
// the dialog's top-left as in its layout resource.
QPoint boxedButtonCentre(QSize screen, QRect button) {
    const QPoint origin((screen.width() - 520) / 2, (screen.height() - 300) / 2);
    return origin + button.center();
}

// A full-screen dialog's button frame, given from the bottom-left, to its display centre.
QPoint fullScreenCentre(QSize screen, const layout::RectD& frame) {
    return {static_cast<int>(frame.x + frame.width / 2),
            screen.height() - static_cast<int>(frame.y + frame.height / 2)};
}

const QRect kStartYes(365, 236, 115, 31);       // normal start dialog's btn_YES
const QRect kDiagnosisStart(365, 236, 115, 31); // diagnosis start dialog's btn_start

// Where the preview draws the light point for a raw point: its own mapping onto the
// check area gives the point, which the view keeps as (x, height - y) and draws from its
// bottom-left, so on the display it lands at the mapped y counted from the top.
QPoint previewSpot(QSize screen, PointD raw) {
    PerspectiveTransform mapping;
    mapping.setPerspective(
        layout::previewSourceQuad(),
        layout::previewTargetQuad(layout::previewLayout(screen.width(), screen.height())));
    const PointF spot = mapping.mapPoint({static_cast<float>(raw.x), static_cast<float>(raw.y)});
    return {static_cast<int>(spot.x), static_cast<int>(spot.y)};
}

// eboardctl following the run it requests.
class Follower {
public:
    Follower(const char* command, const fs::path& home) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", QString::fromStdString(home.string()));
        process_.setProcessEnvironment(environment);
        process_.start(eboardctlProgram(),
                       {QString::fromLatin1(command), QStringLiteral("--wait")});
        process_.waitForStarted(5000);
    }
    ~Follower() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    // What it printed and its exit status, once it ends.
    std::pair<std::string, int> result() {
        if (!QTest::qWaitFor([this] { return process_.state() == QProcess::NotRunning; }, 15000)) {
            return {"(still running)", -1};
        }
        return {process_.readAllStandardOutput().trimmed().toStdString(), process_.exitCode()};
    }

private:
    QProcess process_;
};

// Targets 0..3 (upper left, lower left, upper right, lower right) seen wide apart.
const std::array<PointD, 4> kWide = {{{150, 120}, {160, 650}, {880, 110}, {890, 640}}};
// The same corners seen small: at most 15 percent of the camera frame.
const std::array<PointD, 4> kSmall = {{{400, 300}, {400, 500}, {650, 300}, {650, 500}}};

class CalibrationRoadTest : public AgentTest {
protected:
    void prepare() override {
        ASSERT_TRUE(desktop.open());
        screen = QSize(desktop.width(), desktop.height());
        ASSERT_GT(screen.width(), 0);
        fs::create_directories(dataDirectory(home.path()));
        ASSERT_FALSE(writeSettingArchive(archivePath(home.path()), stored));
        writeText(thresholdsPath(home.path()), defaultThresholdsXml());
    }
    void TearDown() override {
        if (agent && agent->running()) {
            watcher.post("Quit");
            EXPECT_EQ(agent->waitForExit(), 0);
        }
    }

    void startAgent(bool withUnit = true) {
        if (withUnit) {
            unit = std::make_unique<MockUnit>();
            MockUnitBed::instance().plug(*unit);
        }
        agent = std::make_unique<AgentProcess>(
            home.path(), QStringList{QStringLiteral("--pointer"), QStringLiteral("xtest")});
        agent->start();
        ASSERT_TRUE(watcher.waitFor("DriverOpened")) << agent->errorOutput().toStdString();
        if (withUnit) {
            ASSERT_TRUE(watcher.waitFor("HN42Connected")) << agent->errorOutput().toStdString();
        }
    }

    void frame(const FrameBytes& bytes) {
        unit->write(bytes);
        std::this_thread::sleep_for(30ms);
    }

    // The start dialog's affirmative button: the preview is up.
    void openPreview(bool diagnosis) {
        const char* dialog = diagnosis ? "StartDiagnosisWindow" : "StartNormalCalibrateDlg";
        ASSERT_TRUE(waitForWindow(dialog));
        clickAt(boxedButtonCentre(screen, diagnosis ? kDiagnosisStart : kStartYes));
        ASSERT_TRUE(waitForWindow("CalibrationPreViewWindowController"));
        EXPECT_FALSE(windowShown(dialog));
    }

    // Start dialog (affirmative), preview, Space: the target screen is up.
    void walkToTargets(bool diagnosis, bool checkPreview = false) {
        ASSERT_NO_FATAL_FAILURE(openPreview(diagnosis));
        if (checkPreview) {
            // Each frame moves the light point on the check area.
            for (const PointD raw : {PointD{500, 400}, PointD{300, 200}}) {
                const QPoint spot = previewSpot(screen, raw);
                frame(rawPointFrame(static_cast<int>(raw.x), static_cast<int>(raw.y)));
                EXPECT_TRUE(QTest::qWaitFor(
                    [&] { return desktop.pixel(spot.x(), spot.y()) == 0xFFFFFF; }, 3000))
                    << "no light point at " << spot.x() << "," << spot.y() << ": " << std::hex
                    << desktop.pixel(spot.x(), spot.y());
            }
        } else {
            frame(rawPointFrame(500, 400));
        }
        frame(noPointFrame());
        desktop.key("space");
        ASSERT_TRUE(waitForWindow("CalibrateWindowController"));
    }

    // The pen on four targets (raw points in target order 0..3), then lifted.
    void touchTargets(const std::array<PointD, 4>& raw) {
        for (const PointD& p : raw) {
            frame(rawPointFrame(static_cast<int>(p.x), static_cast<int>(p.y)));
        }
        frame(noPointFrame());
    }

    // A diagnosis seen small: graded class 3, its result screen is up.
    void diagnoseToPoorResult(Follower& follower) {
        ASSERT_NO_FATAL_FAILURE(walkToTargets(true));
        touchTargets(kSmall);
        EXPECT_EQ(follower.result(), std::make_pair(std::string("class3"), 0));
        ASSERT_TRUE(waitForWindow("CalibrateMessageWindowController"));
    }

    // Escape on the open screen: the stop dialog is up.
    void escapeToStopDialog() {
        desktop.key("Escape");
        ASSERT_TRUE(waitForWindow("AbortWindowController"));
    }
    void answerStopDialog(bool stop) {
        const layout::StopDialog dialog = layout::stopDialog(screen.width(), screen.height());
        clickAt(fullScreenCentre(screen, stop ? dialog.yesButton : dialog.noButton));
    }
    // Escape, then Yes in the stop dialog: the run ends and the screen is gone.
    void stopFrom(const char* screenName) {
        ASSERT_NO_FATAL_FAILURE(escapeToStopDialog());
        answerStopDialog(true);
        EXPECT_TRUE(waitForWindow("AbortWindowController", false));
        EXPECT_FALSE(windowShown(screenName));
    }

    SettingData storedNow() const { return readSettingArchive(archivePath(home.path())).data; }
    // Where the top-left target lies: a tenth of the screen in.
    QPoint tenthIn() const { return {screen.width() / 10, screen.height() / 10}; }

    // A touch on raw point p presses near the display point expected, and a lift releases.
    void expectPointerFollowsPen(PointD raw, QPoint expected) {
        frame(rawPointFrame(static_cast<int>(raw.x), static_cast<int>(raw.y)));
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const XPointerState state = desktop.query();
            return state.leftPressed && std::abs(state.x - expected.x()) <= 2 &&
                   std::abs(state.y - expected.y()) <= 2;
        })) << desktop.query().x
            << "," << desktop.query().y;
        frame(noPointFrame());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !desktop.query().leftPressed; }));
    }

    int windowCount(const std::string& title) const {
        return static_cast<int>(desktop.windows(XDesktop::By::Title, title).size());
    }
    bool windowShown(const std::string& title) const { return windowCount(title) > 0; }
    bool waitForWindow(const std::string& title, bool shown = true) const {
        return QTest::qWaitFor([&] { return windowShown(title) == shown; }, 10000);
    }
    void clickAt(QPoint p) const { desktop.click(p.x(), p.y()); }

    XDesktop desktop;
    QSize screen;
    const SettingData stored{{100, 100, 900, 100, 100, 700, 900, 700}};
    std::unique_ptr<MockUnit> unit;
    std::unique_ptr<AgentProcess> agent;
};

TEST_F(CalibrationRoadTest, NormalCalibrationStoresTheTouchedPointsEndsAndThePenPointsAgain) {
    startAgent();
    Follower follower("calibrate", home.path());
    walkToTargets(false, true);
    touchTargets(kWide);
    EXPECT_EQ(follower.result(), std::make_pair(std::string("normal-end"), 0));
    EXPECT_TRUE(waitForWindow("EndNormalCalibrateWindow"));
    EXPECT_FALSE(windowShown("CalibrateWindowController"));
    // Slots: target 0, target 2, target 1, target 3.
    EXPECT_EQ(storedNow(), SettingData({150, 120, 880, 110, 160, 650, 890, 640}));
    // Raw target 0 is now the top-left target, a tenth of the screen in.
    expectPointerFollowsPen(kWide[0], tenthIn());
}

TEST_F(CalibrationRoadTest, PoorCalibrationOffersADiagnosis) {
    startAgent();
    Follower follower("calibrate", home.path());
    walkToTargets(false);
    touchTargets(kSmall);
    EXPECT_EQ(follower.result(), std::make_pair(std::string("poor"), 0));
    ASSERT_TRUE(waitForWindow("EndNormalCalibratePoorWindow"));
    const QPoint startDiagnosis = boxedButtonCentre(screen, QRect(325, 236, 155, 31));
    clickAt(startDiagnosis);
    EXPECT_TRUE(waitForWindow("StartDiagnosisWindow"));
    EXPECT_FALSE(windowShown("EndNormalCalibratePoorWindow"));
}

TEST_F(CalibrationRoadTest, DiagnosesEndWithTheirGradesAndTheResultScreenCloses) {
    startAgent();
    struct Case {
        std::array<PointD, 4> raw;
        const char* grade;
    };
    const Case cases[] = {
        {{{{200, 200}, {200, 620}, {800, 200}, {800, 620}}}, "class1"}, // about 50 percent
        {{{{300, 300}, {300, 550}, {700, 300}, {700, 550}}}, "class2"}, // about 19 percent
        {kSmall, "class3"},
    };
    const QPoint close = fullScreenCentre(
        screen, layout::resultButtons(layout::resultAnchor(screen.width(), screen.height())).close);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grade);
        Follower follower("diagnose", home.path());
        walkToTargets(true);
        touchTargets(c.raw);
        EXPECT_EQ(follower.result(), std::make_pair(std::string(c.grade), 0));
        ASSERT_TRUE(waitForWindow("CalibrateMessageWindowController"));
        clickAt(close);
        EXPECT_TRUE(waitForWindow("CalibrateMessageWindowController", false));
    }
    expectPointerFollowsPen(kSmall[0], tenthIn());
}

TEST_F(CalibrationRoadTest, EscapeOnThePreviewThenStopAbandonsTheRun) {
    startAgent();
    Follower follower("calibrate", home.path());
    ASSERT_NO_FATAL_FAILURE(openPreview(false));
    // No: back to a preview.
    ASSERT_NO_FATAL_FAILURE(escapeToStopDialog());
    answerStopDialog(false);
    ASSERT_TRUE(waitForWindow("CalibrationPreViewWindowController"));
    EXPECT_TRUE(waitForWindow("AbortWindowController", false));
    ASSERT_NO_FATAL_FAILURE(stopFrom("CalibrationPreViewWindowController"));
    EXPECT_EQ(follower.result(), std::make_pair(std::string("aborted"), 1));
    EXPECT_EQ(storedNow(), stored);
    expectPointerFollowsPen({100, 100}, tenthIn());
}

TEST_F(CalibrationRoadTest, UnplugDuringTheTargetsThenReplugLeavesTheArchiveAndPoints) {
    startAgent();
    Follower follower("calibrate", home.path());
    walkToTargets(false);
    frame(rawPointFrame(150, 120)); // target 0 taken
    unit->unplug();
    EXPECT_EQ(follower.result(), std::make_pair(std::string("disconnected"), 1));
    ASSERT_TRUE(watcher.waitFor("HN42DisConnected"));
    EXPECT_TRUE(waitForWindow("DeviceDoNotConnectWindow"));
    EXPECT_FALSE(windowShown("CalibrateWindowController"));

    unit = std::make_unique<MockUnit>();
    MockUnitBed::instance().plug(*unit);
    ASSERT_TRUE(watcher.waitFor("HN42Connected", 2));
    EXPECT_TRUE(waitForWindow("DeviceDoNotConnectWindow", false));
    // Four touches after the replug are ordinary pointer events, not captured targets.
    for (const PointD& p : kWide) {
        frame(rawPointFrame(static_cast<int>(p.x), static_cast<int>(p.y)));
        frame(noPointFrame());
    }
    QTest::qWait(300);
    EXPECT_EQ(storedNow(), stored);
    EXPECT_FALSE(windowShown("EndNormalCalibrateWindow"));
    expectPointerFollowsPen({100, 100}, tenthIn());
}

TEST_F(CalibrationRoadTest, DiagnosisResultLeadsToTheCameraAdviceAndBackToThePreview) {
    startAgent();
    Follower follower("diagnose", home.path());
    ASSERT_NO_FATAL_FAILURE(diagnoseToPoorResult(follower));
    const layout::ResultButtons result =
        layout::resultButtons(layout::resultAnchor(screen.width(), screen.height()));
    clickAt(fullScreenCentre(screen, result.start));
    ASSERT_TRUE(waitForWindow("CheckCamPositionWindow"));
    EXPECT_FALSE(windowShown("CalibrateMessageWindowController"));
    const layout::ButtonPair advice = layout::cameraPositionDialogButtons(
        layout::pictureDialogAnchor(screen.width(), screen.height()));
    clickAt(fullScreenCentre(screen, advice.type1));
    ASSERT_TRUE(waitForWindow("CalibrationPreViewWindowController"));
    EXPECT_FALSE(windowShown("CheckCamPositionWindow"));
    // A new request ends the run on the preview before its start dialog opens; Escape
    // there answers no.
    Follower again("diagnose", home.path());
    ASSERT_TRUE(waitForWindow("StartDiagnosisWindow"));
    EXPECT_TRUE(waitForWindow("CalibrationPreViewWindowController", false));
    desktop.key("Escape");
    EXPECT_EQ(again.result(), std::make_pair(std::string("aborted"), 1));
    EXPECT_TRUE(waitForWindow("StartDiagnosisWindow", false));
    expectPointerFollowsPen(kSmall[0], tenthIn());
}

TEST_F(CalibrationRoadTest, ASecondRequestOnTheTargetsEndsTheFirstRunAndStoresOnlyTheSecond) {
    startAgent();
    Follower first("calibrate", home.path());
    walkToTargets(false);
    frame(rawPointFrame(300, 300)); // targets 0 and 1 of the first run
    frame(noPointFrame());
    frame(rawPointFrame(310, 600));
    frame(noPointFrame());
    Follower second("calibrate", home.path());
    EXPECT_EQ(first.result(), std::make_pair(std::string("aborted"), 1));
    ASSERT_TRUE(waitForWindow("StartNormalCalibrateDlg"));
    EXPECT_FALSE(windowShown("CalibrateWindowController"));
    walkToTargets(false);
    touchTargets(kWide);
    EXPECT_EQ(second.result(), std::make_pair(std::string("normal-end"), 0));
    EXPECT_EQ(storedNow(), SettingData({150, 120, 880, 110, 160, 650, 890, 640}));
}

TEST_F(CalibrationRoadTest, UnplugBeforeThePenLiftsEndsTheRunAndKeepsTheArchive) {
    startAgent();
    Follower follower("calibrate", home.path());
    walkToTargets(false);
    for (const PointD& p : kWide) { // four targets taken, the pen still down
        frame(rawPointFrame(static_cast<int>(p.x), static_cast<int>(p.y)));
    }
    EXPECT_TRUE(waitForWindow("CalibrateWindowController", false));
    unit->unplug();
    EXPECT_EQ(follower.result(), std::make_pair(std::string("disconnected"), 1));
    EXPECT_TRUE(waitForWindow("DeviceDoNotConnectWindow"));
    EXPECT_EQ(storedNow(), stored);
}

TEST_F(CalibrationRoadTest, ACalibrationThatCannotBeStoredEndsNotSavedAndHoldsForNow) {
    startAgent();
    fs::remove(archivePath(home.path()));
    fs::create_directory(archivePath(home.path())); // a folder where the archive belongs
    Follower follower("calibrate", home.path());
    walkToTargets(false);
    touchTargets(kWide);
    EXPECT_EQ(follower.result(), std::make_pair(std::string("not-saved"), 1));
    EXPECT_TRUE(waitForWindow("CalibrateNotSavedWindow"));
    EXPECT_FALSE(windowShown("EndNormalCalibrateWindow"));
    EXPECT_TRUE(fs::is_directory(archivePath(home.path())));
    // The new calibration drives the pen until the agent ends.
    expectPointerFollowsPen(kWide[0], tenthIn());
}

TEST_F(CalibrationRoadTest, ExcellentDiagnosisRetryAsksForANewOne) {
    startAgent();
    Follower follower("diagnose", home.path());
    walkToTargets(true);
    touchTargets(kWide);
    EXPECT_EQ(follower.result(), std::make_pair(std::string("excellent"), 0));
    ASSERT_TRUE(waitForWindow("CalibrateExcellentWindow"));
    const layout::ButtonPair buttons = layout::excellentDialogButtons(
        layout::pictureDialogAnchor(screen.width(), screen.height()));
    const QPoint retry = fullScreenCentre(screen, buttons.type0);
    clickAt(retry);
    EXPECT_TRUE(waitForWindow("StartDiagnosisWindow"));
    EXPECT_FALSE(windowShown("CalibrateExcellentWindow"));
}

TEST_F(CalibrationRoadTest, EscapeOnTheTargetsThenGoOnRestartsAtTheFirstTarget) {
    startAgent();
    Follower follower("calibrate", home.path());
    walkToTargets(false);
    frame(rawPointFrame(300, 300)); // taken for target 0, then abandoned
    frame(noPointFrame());
    ASSERT_NO_FATAL_FAILURE(escapeToStopDialog());
    answerStopDialog(false);
    ASSERT_TRUE(waitForWindow("CalibrateWindowController"));
    touchTargets(kWide);
    EXPECT_EQ(follower.result(), std::make_pair(std::string("normal-end"), 0));
    EXPECT_EQ(storedNow(), SettingData({150, 120, 880, 110, 160, 650, 890, 640}));
}

TEST_F(CalibrationRoadTest, EscapeOnTheResultThenStayShowsTheSameResultAgain) {
    startAgent();
    Follower follower("diagnose", home.path());
    ASSERT_NO_FATAL_FAILURE(diagnoseToPoorResult(follower));
    ASSERT_NO_FATAL_FAILURE(escapeToStopDialog());
    answerStopDialog(false);
    EXPECT_TRUE(waitForWindow("AbortWindowController", false));
    EXPECT_TRUE(waitForWindow("CalibrateMessageWindowController"));
    ASSERT_NO_FATAL_FAILURE(stopFrom("CalibrateMessageWindowController"));
    expectPointerFollowsPen(kSmall[0], tenthIn());
}

TEST_F(CalibrationRoadTest, LaterRequestsReplaceAPendingStartDialog) {
    startAgent();
    {
        Follower first("calibrate", home.path());
        ASSERT_TRUE(waitForWindow("StartNormalCalibrateDlg"));
        Follower second("calibrate", home.path());
        QTest::qWait(500);
        EXPECT_EQ(windowCount("StartNormalCalibrateDlg"), 1);
        Follower diagnosis("diagnose", home.path());
        ASSERT_TRUE(waitForWindow("StartDiagnosisWindow"));
        EXPECT_TRUE(waitForWindow("StartNormalCalibrateDlg", false));
    }
}

TEST_F(CalibrationRoadTest, FirstConnectionWithoutThresholdsStartsACalibration) {
    fs::remove(thresholdsPath(home.path()));
    startAgent();
    EXPECT_TRUE(waitForWindow("StartNormalCalibrateDlg"));
    EXPECT_EQ(watcher.count("StartCalibrate"), 1);
}

TEST_F(CalibrationRoadTest, EscapeOnTheCameraAdviceThenStayShowsItAgain) {
    startAgent();
    Follower follower("diagnose", home.path());
    ASSERT_NO_FATAL_FAILURE(diagnoseToPoorResult(follower));
    clickAt(fullScreenCentre(
        screen,
        layout::resultButtons(layout::resultAnchor(screen.width(), screen.height())).start));
    ASSERT_TRUE(waitForWindow("CheckCamPositionWindow"));
    ASSERT_NO_FATAL_FAILURE(escapeToStopDialog());
    EXPECT_FALSE(windowShown("CheckCamPositionWindow"));
    answerStopDialog(false);
    EXPECT_TRUE(waitForWindow("CheckCamPositionWindow"));
    EXPECT_TRUE(waitForWindow("AbortWindowController", false));
    ASSERT_NO_FATAL_FAILURE(stopFrom("CheckCamPositionWindow"));
    expectPointerFollowsPen(kSmall[0], tenthIn());
}

TEST_F(CalibrationRoadTest, UnplugDuringThePreviewThenReplugPoints) {
    startAgent();
    Follower follower("calibrate", home.path());
    ASSERT_NO_FATAL_FAILURE(openPreview(false));
    frame(rawPointFrame(500, 400));
    unit->unplug();
    EXPECT_EQ(follower.result(), std::make_pair(std::string("disconnected"), 1));
    EXPECT_TRUE(waitForWindow("DeviceDoNotConnectWindow"));
    EXPECT_TRUE(waitForWindow("CalibrationPreViewWindowController", false));

    unit = std::make_unique<MockUnit>();
    MockUnitBed::instance().plug(*unit);
    ASSERT_TRUE(watcher.waitFor("HN42Connected", 2));
    expectPointerFollowsPen({100, 100}, tenthIn());
    EXPECT_FALSE(windowShown("CalibrationPreViewWindowController"));
}

TEST_F(CalibrationRoadTest, RequestWithoutAUnitShowsOnlyTheNotConnectedDialog) {
    startAgent(false);
    Follower follower("calibrate", home.path());
    EXPECT_EQ(follower.result(), std::make_pair(std::string("not-connected"), 1));
    EXPECT_TRUE(waitForWindow("DeviceDoNotConnectWindow"));
    EXPECT_FALSE(windowShown("StartNormalCalibrateDlg"));
}

TEST_F(CalibrationRoadTest, ThresholdsAFifoGradeWithZerosAndSigtermStillEndsTheAgent) {
    const fs::path fifo = thresholdsPath(home.path());
    fs::remove(fifo);
    makeFifo(fifo);
    startAgent();
    Follower follower("calibrate", home.path());
    walkToTargets(false);
    touchTargets(kSmall);
    // Every threshold 0: corners this small end normally; the defaults would call them poor.
    EXPECT_EQ(follower.result(), std::make_pair(std::string("normal-end"), 0));
    agent->process.terminate();
    EXPECT_EQ(agent->waitForExit(1000), 0);
    const std::string errors = agent->errorOutput().toStdString();
    EXPECT_NE(errors.find("cannot read " + fifo.string() +
                          " (it is a FIFO, not a regular file); grading with every threshold 0\n"),
              std::string::npos)
        << errors;
    EXPECT_EQ(errors.find(fifo.string()), errors.rfind(fifo.string())) << "one warning";
    EXPECT_EQ(fs::symlink_status(fifo).type(), fs::file_type::fifo);
}

TEST_F(CalibrationRoadTest, ThresholdsALinkLoopIsNoFirstRun) {
    fs::remove(thresholdsPath(home.path()));
    makeLinkLoop(thresholdsPath(home.path()));
    startAgent();
    // A first run's StartCalibrate is posted before HN42Connected.
    EXPECT_EQ(watcher.count("StartCalibrate"), 0);
}

} // namespace
} // namespace eboard::testing
