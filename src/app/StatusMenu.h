#pragma once

#include "core/notify/CommandBus.h"

#include <QIcon>
#include <QObject>
#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace eboard {

class AboutWindowController;
class JUXPrompt;

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

private:
    // Says once when the desktop has no tray, and how to reach the agent without one.
    void followTrayAvailability();
    void setStatusImage(const QString& fileName);
    void postCommand(std::string_view name);

    CommandBus& bus_;
    std::function<bool()> claimInstance_;
    std::function<void(int)> exitProcess_;
    bool terminationRequested_ = false;

    JUXPrompt* prompt_ = nullptr;
    QSystemTrayIcon* statusItem_ = nullptr; // child of this
    QString statusImageName_;
    std::unique_ptr<AboutWindowController> aboutController_;

    std::unique_ptr<QMenu> clickMenu_;
    QAction* menu_Calibrate_ = nullptr; // children of clickMenu_
    QAction* menu_Diagnosis_ = nullptr;
    QAction* menu_Annotate_ = nullptr;
    QAction* menu_quit_ = nullptr;
};

} // namespace eboard
