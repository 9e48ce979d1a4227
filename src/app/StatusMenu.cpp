#include "app/StatusMenu.h"

#include "app/CompanionLauncher.h"
#include "core/base/DataPaths.h"
#include "core/base/Log.h"
#include "core/notify/Names.h"
#include "core/notify/NotificationCenter.h"
#include "core/notify/SmoothValue.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"
#include "ui/AppResources.h"
#include "ui/about/AboutWindowController.h"

#include <QAction>
#include <QCoreApplication>
#include <QCursor>
#include <QLocale>
#include <QMenu>
#include <QMetaObject>
#include <QSystemTrayIcon>
#include <cstdio>
#include <cstdlib>

namespace eboard {

namespace {

void exitAtOnce(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace

StatusMenu::StatusMenu(CommandBus& bus, std::function<bool()> claimInstance,
                       std::unique_ptr<TrayHost> trayHost, QObject* parent)
    : QObject(parent)
    , bus_(bus)
    , claimInstance_(std::move(claimInstance))
    , trayHost_(trayHost ? std::move(trayHost)
                         : std::make_unique<SessionTrayHost>(QDBusConnection::sessionBus()))
    , exitProcess_(exitAtOnce)
    , clickMenu_(std::make_unique<QMenu>()) {
    menu_Calibrate_ = clickMenu_->addAction(QString());
    menu_Diagnosis_ = clickMenu_->addAction(QString());
    menu_Annotate_ = clickMenu_->addAction(QString());
    clickMenu_->addSeparator();
    menu_quit_ = clickMenu_->addAction(QString());
    connect(menu_Calibrate_, &QAction::triggered, this, [this] { menu_OpenCalibrate(); });
    connect(menu_Diagnosis_, &QAction::triggered, this, [this] { menu_OpenDiagnosis(); });
    connect(menu_Annotate_, &QAction::triggered, this, [this] { menu_OpenAnnotate(); });
    connect(menu_quit_, &QAction::triggered, this, [this] { menu_Quit(); });
}

StatusMenu::~StatusMenu() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void StatusMenu::setExitFunction(std::function<void(int)> exitProcess) {
    exitProcess_ = std::move(exitProcess);
}

void StatusMenu::deduplicateRunningInstances() {
    if (claimInstance_ && claimInstance_()) {
        return;
    }
    logInfo("eBoardAgent is already running; this copy ends");
    terminationRequested_ = true;
    // The ordinary quit path; Qt carries it out once the main loop runs.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                              Qt::QueuedConnection);
}

void StatusMenu::awakeFromNib() {
    deduplicateRunningInstances();
    if (terminationRequested_) {
        return;
    }

    menu_Calibrate_->setText(localizedString("menu_calibrate"));
    menu_Diagnosis_->setText(localizedString("menu_Diagnosis"));
    menu_Annotate_->setText(localizedString("menu_Annotate"));
    menu_quit_->setText(localizedString("menu_Quit"));

    setStatusImage(QStringLiteral("ng.png"));
    followTrayAvailability();

    NotificationCenter& local = NotificationCenter::defaultCenter();
    local.addObserver(this, names::kHidConnectOK, [this] { connectOK(); });
    local.addObserver(this, names::kHidConnectNG, [this] { connectNG(); });
    local.addObserver(this, names::kCalibrateStart, [this] { OpenCalibrateWindow(); });
    local.addObserver(this, names::kCalibrateCaptured, [this] { CalibrateCaptured(); });
    local.addObserver(this, names::kCalibrateFinish, [this] { CheckCalibrateResult(); });
    local.addObserver(this, names::kCalibrateNotSaved, [this] { CalibrateNotSaved(); });
    local.addObserver(this, names::kReCalibrate, [this] { ReCalibrate(); });
    local.addObserver(this, names::kStopCalibratePreview, [this] { StopCalibratePreview(); });
    local.addObserver(this, names::kStopCalibrate, [this] { StopCalibrate(); });
    local.addObserver(this, names::kStopResult, [this] { StopResult(); });
    local.addObserver(this, names::kStopCheckPosition, [this] { StopCheckPosition(); });

    bus_.addObserver(names::kStartCalibrate,
                     [this](const UserInfo& userInfo) { showCalibration(userInfo); });
    bus_.addObserver(names::kCompleteCalibrate,
                     [this](const UserInfo& userInfo) { completeCalibrate(userInfo); });
    bus_.addObserver(names::kQuit, [this](const UserInfo&) { quit(); });
    bus_.addObserver(names::kVersion, [this](const UserInfo&) { VersionNum(); });
    bus_.addObserver(names::kSetSmoothValue,
                     [this](const UserInfo& userInfo) { SetSmoothValue(userInfo); });
    bus_.addObserver(names::kSetSmoothMode,
                     [this](const UserInfo& userInfo) { SetSmoothMode(userInfo); });

    postCommand(names::kDriverOpened);

    prompt_ = &JUXPrompt::getPrompt();
    prompt_->setlocale(agentLanguage().toStdString());

    const std::filesystem::path dataDir = dataDirectory();
    if (CheckFileExit(dataDir)) {
        prompt_->setBFirstRun(false);
    } else {
        prompt_->setBFirstRun(true);
        CreateDir(dataDir);
    }
    prompt_->setIFirstCalibrate(CheckFileExit(thresholdsPath()) ? 1 : 0);
}

void StatusMenu::connectOK() {
    setStatusImage(QStringLiteral("ok.png"));
    prompt_->setConnection(ConnectionState::Connected);
    dispatch(RunEvent::Replug);
    if (prompt_->iFirstCalibrate() == 0) {
        postCommand(names::kStartCalibrate);
    }
    postCommand(names::kHN42Connected);
}

void StatusMenu::connectNG() {
    setStatusImage(QStringLiteral("ng.png"));
    prompt_->setConnection(ConnectionState::NoUnit);
    postCommand(names::kHN42DisConnected);
    dispatch(RunEvent::Unplug);
}

void StatusMenu::quit() {
    // The process ends on the spot, past every destructor: a stroke in progress must let
    // go of its button first.
    releaseHeldButtons();
    exitProcess_(0);
}

void StatusMenu::VersionNum() {
    if (!aboutController_) {
        // A table without the entry shows the key; the version still follows it.
        QString versionText = localizedString("about_version");
        if (!versionText.contains(QLatin1String("%1"))) {
            versionText += QLatin1String(" %1");
        }
        aboutController_ = std::make_unique<AboutWindowController>(
            versionText.arg(QCoreApplication::applicationVersion()));
    }
    aboutController_->showWindow();
}

void StatusMenu::SetSmoothValue(const UserInfo& userInfo) {
    // The average with that many samples, whichever mode was in use.
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    prompt.setIsmooth(smoothValueOf(userInfo));
    prompt.setSmoothingMode(SmoothingMode::Average);
}

void StatusMenu::SetSmoothMode(const UserInfo& userInfo) {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    const auto chosen =
        smoothModeOf(userInfo, SmoothingChoice{prompt.smoothingMode(), prompt.ismooth(),
                                               prompt.adaptiveSmoothing()});
    if (const auto* error = std::get_if<std::string>(&chosen)) {
        logWarning("ignoring " + std::string(names::kSetSmoothMode) + ": " + *error);
        return;
    }
    const auto& choice = std::get<SmoothingChoice>(chosen);
    prompt.setSmoothingMode(choice.mode);
    prompt.setAdaptiveSmoothing(choice.adaptive);
    logInfo("pen smoothing: " + describeSmoothing(choice));
}

void StatusMenu::menu_OpenCalibrate() {
    postCommand(names::kStartCalibrate);
}
void StatusMenu::menu_OpenDiagnosis() {
    postCommand(names::kCompleteCalibrate);
}
void StatusMenu::menu_Quit() {
    postCommand(names::kQuit);
}

void StatusMenu::menu_OpenAnnotate() {
    const std::string& script = JUXPrompt::getPrompt().openSkriboString();
    const QString name = companionNameFromScript(script).value_or(QStringLiteral("Skribo"));
    if (openCompanion(name) == CompanionLaunch::NotInstalled) {
        logWarning("Annotate: the annotation application " + name.toStdString() +
                   " is not installed (no " + name.toLower().toStdString() +
                   ".desktop entry and no '" + name.toLower().toStdString() + "' on the PATH)");
        reportProblem(Problem::NoAnnotationApp, name.toStdString());
    }
}

bool StatusMenu::CheckFileExit(const std::filesystem::path& path) {
    // Whatever is there counts, a link not followed: a link loop at the thresholds path is
    // unreadable, not missing, and must not make every connection a first run.
    std::error_code error;
    return std::filesystem::symlink_status(path, error).type() !=
           std::filesystem::file_type::not_found;
}

bool StatusMenu::CreateDir(const std::filesystem::path& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return !error;
}

void StatusMenu::followTrayAvailability() {
    trayHost_->watch([this] {
        if (statusItem_ == nullptr) {
            logInfo("a system tray has started: the eBoardAgent icon shows there now");
            installStatusItem();
        }
    });
    if (trayHost_->present()) {
        installStatusItem();
        return;
    }
    logInfo("no system tray on this desktop: eBoardAgent runs without an icon until one "
            "starts; reach it with 'eboardctl' (calibrate, diagnose, version, quit)");
    reportProblem(Problem::NoTray);
}

void StatusMenu::installStatusItem() {
    statusItem_ = new QSystemTrayIcon(this);
    statusItem_->setContextMenu(clickMenu_.get());
    statusItem_->setToolTip(QStringLiteral("eBoard Agent"));
    setStatusImage(statusImageName_);
    // A status item opens its menu on a plain click as well.
    connect(statusItem_, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger) {
                    clickMenu_->popup(QCursor::pos());
                }
            });
    statusItem_->show();
}

namespace {
// The tray's two states: the icon theme's symbolic icon where it has one (sharp at any
// scale, recoloured by the panel; a StatusNotifier host gets its name) and the drawn
// picture elsewhere.
struct StatusIcon {
    const char* picture;
    const char* themeName;
};
constexpr StatusIcon kStatusIcons[] = {
    {"ok.png", "eboard-connected-symbolic"},
    {"ng.png", "eboard-disconnected-symbolic"},
};

QIcon statusIcon(const QString& picture) {
    for (const StatusIcon& entry : kStatusIcons) {
        if (picture != QLatin1String(entry.picture)) {
            continue;
        }
        QIcon themed = QIcon::fromTheme(QLatin1String(entry.themeName));
        // A theme icon this Qt cannot draw (no SVG support installed) would be blank.
        if (!themed.isNull() && !themed.pixmap(22).isNull()) {
            return themed;
        }
    }
    return QIcon(loadPicture(picture));
}
} // namespace

void StatusMenu::setStatusImage(const QString& fileName) {
    statusImageName_ = fileName;
    if (statusItem_ != nullptr) {
        statusItem_->setIcon(statusIcon(fileName));
    }
}

void StatusMenu::postCommand(std::string_view name) {
    bus_.postNotification(name, kCommandObject, {});
}

void StatusMenu::reportProblem(Problem problem, std::string detail) {
    if (problemReporter_) {
        problemReporter_({problem, std::move(detail)});
    }
}

} // namespace eboard
