#pragma once

#include "core/notify/AnswerPairs.h"
#include "core/notify/CommandBus.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace eboard {

class AboutWindowController;
class AbortWindowController;
class CalibrateExcellentWindow;
class CalibrateMessageWindowController;
class CalibrateWindowController;
class CalibrationPreViewWindowController;
class CheckCamPositionWindow;
class DeviceDoNotConnectWindow;
class EndNormalCalibratePoorWindow;
class EndNormalCalibrateWindow;
class JUXPrompt;
class StartDiagnosisWindow;
class StartNormalCalibrateDlg;

// The agent's controller: the tray icon and its menu, the connection indicator, the
// commands on the bus and (through its handlers) the calibration workflow. It observes
// the local centre for the device link's connect notifications and the command bus for
// the commands of other processes and of its own menu.
class StatusMenu : public QObject {
    Q_OBJECT
public:
    // claimInstance takes the single-instance lock; false means another agent runs.
    StatusMenu(CommandBus& bus, std::function<bool()> claimInstance, QObject* parent = nullptr);
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

    // The calibration workflow: the two requests (distributed), then the handlers of the
    // local notifications and of the dialogs' answers.
    void showCalibration();
    void completeCalibrate();
    void showCalibrationYes();
    void showCalibrationNo();
    void OpenCalibrateWindow();
    void ReCalibrate();
    void restartCalibrationYes();
    void restartCalibrationNo();
    void StopCalibratePreview();
    void StopCalPreviewYes();
    void StopCalPreviewNo();
    void StopCalibrate();
    void StopCalYes();
    void StopCalNo();
    void StopResult();
    void StopResultYes();
    void StopResultNo();
    void StopCheckPosition();
    void StopCheckPositionYes();
    void StopCheckPositionNo();
    void ExcellentRestart();
    void ExcellentClose();
    void DiagnosisRestart();
    void DiagnosisClose();
    void NormalCalibrateToDiagnosis();
    void NormalCalibrateEnd();
    // Grades the stored points and opens the one window of the result.
    void CheckCalibrateResult();

    // Menu actions.
    void menu_OpenCalibrate();
    void menu_OpenDiagnosis();
    void menu_OpenAnnotate();
    void menu_Quit();

    static bool CheckFileExit(const std::filesystem::path& path);
    static bool CreateDir(const std::filesystem::path& path);

    // How quit ends the process; tests replace the immediate exit.
    void setExitFunction(std::function<void(int)> exitProcess);

    QSystemTrayIcon* statusItem() const { return statusItem_; }
    QMenu* clickMenu() const { return clickMenu_.get(); }
    // "ok.png" or "ng.png": the picture the status item shows.
    const QString& statusImageName() const { return statusImageName_; }
    AboutWindowController* aboutController() const { return aboutController_.get(); }

    // The most recent controller of each workflow window (null before the first).
    CalibrationPreViewWindowController* calPreviewWindowCtl() const {
        return calPreviewWindowCtl_.get();
    }
    CalibrateWindowController* calWindowCtl() const { return calWindowCtl_.get(); }
    CalibrateMessageWindowController* finishCalibrationCtl() const {
        return finishCalibrationCtl_.get();
    }
    StartNormalCalibrateDlg* StartNormalCtl() const { return StartNormalCtl_.get(); }
    AbortWindowController* abortWindowctl() const { return abortWindowctl_.get(); }
    EndNormalCalibrateWindow* EndNormalCrl() const { return EndNormalCrl_.get(); }
    EndNormalCalibratePoorWindow* EndNormalPoorCtl() const { return EndNormalPoorCtl_.get(); }
    DeviceDoNotConnectWindow* deviceNotConnectCtl() const { return deviceNotConnectCtl_.get(); }
    StartDiagnosisWindow* startDiagnosisCtl() const { return startDiagnosisCtl_.get(); }
    CalibrateExcellentWindow* calibrateExcellentCtl() const { return calibrateExcellentCtl_.get(); }
    CheckCamPositionWindow* checkCamPositionCtl() const { return checkCamPositionCtl_.get(); }
    const AnswerPairs& answerPairs() const { return answerPairs_; }

private:
    // Says once when the desktop has no tray, and how to reach the agent without one.
    void followTrayAvailability();
    void setStatusImage(const QString& fileName);
    void postCommand(std::string_view name);

    // The shared request procedure; calibrateType 0 normal, 1 diagnosis.
    void requestCalibration(std::int32_t calibrateType);
    void closeStartDialog();
    // Registers the abort pair, opens the abort dialog and hands it the names.
    void openAbortDialog(const char* yesName, void (StatusMenu::*onYes)(), const char* noName,
                         void (StatusMenu::*onNo)());
    void registerPair(const char* first, void (StatusMenu::*onFirst)(), const char* second,
                      void (StatusMenu::*onSecond)());
    void openPreview();
    void openDeviceNotConnected();
    void closeWorkflowWindows();
    bool workflowWindowOpen() const;
    void announceEnd(std::string_view result);

    CommandBus& bus_;
    std::function<bool()> claimInstance_;
    std::function<void(int)> exitProcess_;
    bool terminationRequested_ = false;

    JUXPrompt* prompt_ = nullptr;
    QSystemTrayIcon* statusItem_ = nullptr; // child of this
    QString statusImageName_;
    std::unique_ptr<AboutWindowController> aboutController_;
    std::unique_ptr<CalibrationPreViewWindowController> calPreviewWindowCtl_;
    std::unique_ptr<CalibrateWindowController> calWindowCtl_;
    std::unique_ptr<CalibrateMessageWindowController> finishCalibrationCtl_;
    std::unique_ptr<StartNormalCalibrateDlg> StartNormalCtl_;
    std::unique_ptr<AbortWindowController> abortWindowctl_;
    std::unique_ptr<EndNormalCalibrateWindow> EndNormalCrl_;
    std::unique_ptr<EndNormalCalibratePoorWindow> EndNormalPoorCtl_;
    std::unique_ptr<DeviceDoNotConnectWindow> deviceNotConnectCtl_;
    std::unique_ptr<StartDiagnosisWindow> startDiagnosisCtl_;
    std::unique_ptr<CalibrateExcellentWindow> calibrateExcellentCtl_;
    std::unique_ptr<CheckCamPositionWindow> checkCamPositionCtl_;
    AnswerPairs answerPairs_;
    // Set while a request closes the start dialog of an earlier one: that is no end of a
    // run for the processes that follow it.
    bool replacingStartDialog_ = false;

    std::unique_ptr<QMenu> clickMenu_;
    QAction* menu_Calibrate_ = nullptr; // children of clickMenu_
    QAction* menu_Diagnosis_ = nullptr;
    QAction* menu_Annotate_ = nullptr;
    QAction* menu_quit_ = nullptr;
};

} // namespace eboard
