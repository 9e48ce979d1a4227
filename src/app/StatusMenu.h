#pragma once

#include "app/TrayHost.h"
#include "app/WorkflowWindows.h"
#include "core/calibration/CalibrationRun.h"
#include "core/calibration/ResultGrading.h"
#include "core/notify/AnswerPairs.h"
#include "core/notify/CommandBus.h"
#include "core/notify/Problems.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace eboard {

class AboutWindowController;
class JUXPrompt;

// The agent's controller: the tray icon and its menu, the connection indicator, the
// commands on the bus and (through its handlers) the calibration workflow, whose rules
// are CalibrationRun's and whose windows WorkflowWindows holds. It observes
// the local centre for the device link's connect notifications and the command bus for
// the commands of other processes and of its own menu.
class StatusMenu : public QObject {
    Q_OBJECT
public:
    // claimInstance takes the single-instance lock; false means another agent runs.
    // trayHost: where the icon goes; the session's own (StatusNotifier or X tray) when null.
    StatusMenu(CommandBus& bus, std::function<bool()> claimInstance,
               std::unique_ptr<TrayHost> trayHost = nullptr, QObject* parent = nullptr);
    ~StatusMenu() override;

    // The wake-up sequence. After a refused single-instance lock it stops at once: the
    // termination is then only requested and the rest must not announce a second agent.
    void awakeFromNib();
    // True once deduplicateRunningInstances has asked the application to quit.
    bool terminationRequested() const { return terminationRequested_; }

    void deduplicateRunningInstances();

    // Handlers of the local connect notifications.
    void connectOK();
    void connectNG();
    // Handlers of the distributed commands.
    void quit();
    void VersionNum();
    void SetSmoothValue(const UserInfo& userInfo);
    // "SetSmoothMode": the average or the adaptive smoothing, and the latter's parameters.
    void SetSmoothMode(const UserInfo& userInfo);

    // The calibration workflow (see CalibrationRun): each handler turns its notification
    // into an event of the run. The two requests (distributed), the local notifications of
    // the screens and the parser, then the dialogs' answers.
    // userInfo may carry the requester's token (names::kRequestKey), told back at the end.
    void showCalibration(const UserInfo& userInfo = {});
    void completeCalibrate(const UserInfo& userInfo = {});
    void OpenCalibrateWindow();
    void CalibrateCaptured();
    // Grades the stored points and opens the one window of the result.
    void CheckCalibrateResult();
    void CalibrateNotSaved();
    void ReCalibrate();
    void StopCalibratePreview();
    void StopCalibrate();
    void StopResult();
    void StopCheckPosition();
    void showCalibrationYes();
    void showCalibrationNo();
    void restartCalibrationYes();
    void restartCalibrationNo();
    void StopCalPreviewYes();
    void StopCalPreviewNo();
    void StopCalYes();
    void StopCalNo();
    void StopResultYes();
    void StopResultNo();
    void StopCheckPositionYes();
    void StopCheckPositionNo();
    void ExcellentRestart();
    void ExcellentClose();
    void DiagnosisRestart();
    void DiagnosisClose();
    void NormalCalibrateToDiagnosis();
    void NormalCalibrateEnd();

    // Menu actions.
    void menu_OpenCalibrate();
    void menu_OpenDiagnosis();
    void menu_OpenAnnotate();
    void menu_Quit();

    static bool CheckFileExit(const std::filesystem::path& path);
    static bool CreateDir(const std::filesystem::path& path);

    // How quit ends the process; tests replace the immediate exit.
    void setExitFunction(std::function<void(int)> exitProcess);
    // Hears of a desktop without a tray and of Annotate with nothing to start.
    void setProblemReporter(ProblemReporter reporter) { problemReporter_ = std::move(reporter); }

    QSystemTrayIcon* statusItem() const { return statusItem_; }
    QMenu* clickMenu() const { return clickMenu_.get(); }
    // "ok.png" or "ng.png": the picture the status item shows.
    const QString& statusImageName() const { return statusImageName_; }
    AboutWindowController* aboutController() const { return aboutController_.get(); }

    // The most recent controller of each workflow window (null before the first, and
    // after a run was cut short).
    CalibrationPreViewWindowController* calPreviewWindowCtl() const {
        return windows_.get<CalibrationPreViewWindowController>();
    }
    CalibrateWindowController* calWindowCtl() const {
        return windows_.get<CalibrateWindowController>();
    }
    CalibrateMessageWindowController* finishCalibrationCtl() const {
        return windows_.get<CalibrateMessageWindowController>();
    }
    StartNormalCalibrateDlg* StartNormalCtl() const {
        return windows_.get<StartNormalCalibrateDlg>();
    }
    AbortWindowController* abortWindowctl() const { return windows_.get<AbortWindowController>(); }
    EndNormalCalibrateWindow* EndNormalCrl() const {
        return windows_.get<EndNormalCalibrateWindow>();
    }
    EndNormalCalibratePoorWindow* EndNormalPoorCtl() const {
        return windows_.get<EndNormalCalibratePoorWindow>();
    }
    DeviceDoNotConnectWindow* deviceNotConnectCtl() const {
        return windows_.get<DeviceDoNotConnectWindow>();
    }
    StartDiagnosisWindow* startDiagnosisCtl() const { return windows_.get<StartDiagnosisWindow>(); }
    CalibrateExcellentWindow* calibrateExcellentCtl() const {
        return windows_.get<CalibrateExcellentWindow>();
    }
    CheckCamPositionWindow* checkCamPositionCtl() const {
        return windows_.get<CheckCamPositionWindow>();
    }
    CalibrateNotSavedWindow* notSavedCtl() const { return windows_.get<CalibrateNotSavedWindow>(); }
    const WorkflowWindows& workflowWindows() const { return windows_; }
    const CalibrationRun& calibrationRun() const { return run_; }
    const AnswerPairs& answerPairs() const { return answerPairs_; }

private:
    // The icon when a tray is there; else says once that there is none, and how to reach
    // the agent without one, and shows the icon as soon as a tray comes.
    void followTrayAvailability();
    void installStatusItem();
    void setStatusImage(const QString& fileName);
    void postCommand(std::string_view name);
    void reportProblem(Problem problem, std::string detail = {});

    void request(CalibrationType type, const UserInfo& userInfo);
    // Runs the event through the workflow and carries out what it asks for.
    void dispatch(RunEvent event);
    void carryOut(const RunAction& action);
    void openWindow(RunWindow window);
    void closeWindow(RunWindow window);
    void gradeStoredPoints();
    void prepareRequest();
    void announceEnd(RunResult result);

    CommandBus& bus_;
    std::function<bool()> claimInstance_;
    std::unique_ptr<TrayHost> trayHost_;
    std::function<void(int)> exitProcess_;
    ProblemReporter problemReporter_;
    bool terminationRequested_ = false;

    JUXPrompt* prompt_ = nullptr;
    QSystemTrayIcon* statusItem_ = nullptr; // child of this
    QString statusImageName_;
    std::unique_ptr<AboutWindowController> aboutController_;
    WorkflowWindows windows_;
    CalibrationRun run_;
    // The grade the result screen shows.
    Grade grade_;
    AnswerPairs answerPairs_;
    // The tokens of the requests the current run answers, and of the request at hand.
    std::vector<std::string> runRequests_;
    std::string requestAtHand_;

    std::unique_ptr<QMenu> clickMenu_;
    QAction* menu_Calibrate_ = nullptr; // children of clickMenu_
    QAction* menu_Diagnosis_ = nullptr;
    QAction* menu_Annotate_ = nullptr;
    QAction* menu_quit_ = nullptr;
};

} // namespace eboard
