#include "app/AppDelegate.h"

#include "app/Autostart.h"
#include "app/ScreenFollower.h"
#include "app/SessionIntegration.h"
#include "core/base/AgentConfig.h"
#include "core/base/DataPaths.h"
#include "core/base/Log.h"
#include "core/calibration/CalibrationData.h"
#include "core/calibration/ResultGrading.h"
#include "core/calibration/SettingArchive.h"
#include "core/calibration/Thresholds.h"
#include "core/frame/UnitConstants.h"
#include "core/notify/Names.h"
#include "core/pen/PointerSink.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/Smoothing.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"
#include "device/HID_Communication.h"
#include "pointer/PointerBackends.h"
#include "ui/common/AgentWindow.h"
#include "ui/common/BoardScreen.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <algorithm>
#include <cstdlib>

namespace eboard {

AppDelegate::AppDelegate(CommandBus& bus, AgentOptions options)
    : bus_(bus)
    , options_(std::move(options)) {}

AppDelegate::~AppDelegate() {
    // However the agent ends, no button stays pressed on the desktop.
    releaseHeldButtons();
    if (pointerSink() == pointerSink_.get()) {
        setPointerSink(nullptr);
    }
}

void AppDelegate::applicationDidFinishLaunching() {
    // A unit that cannot be reached leaves the agent running, shown as disconnected.
    if (options_.devicePath) {
        setupHIDManagerForPath(*options_.devicePath, problemReporter_);
    } else {
        setupHIDManager(kUnitVendorId, kUnitProductId, kUnitUsagePage, problemReporter_);
    }

    prompt_ = &JUXPrompt::getPrompt();

    // An unreadable archive keeps the default points; the reader has said why.
    const SettingArchiveLoad stored = readSettingArchive(archivePath());
    if (stored.outcome == SettingArchiveLoad::Outcome::Loaded) {
        prompt_->setSettingData(stored.data);
    } else if (stored.outcome == SettingArchiveLoad::Outcome::Unreadable) {
        // The default points map nothing: the pen is ignored until the next calibration.
        // (A missing archive is a first run, not a problem.)
        reportProblem(Problem::CalibrationUnreadable, archivePath().string());
    }

    if (prompt_->bFirstRun()) {
        addToLoginItem();
    }

    showScrollBarsAlways();

    // The remembered settings. For the board output the command line wins over them; the
    // primary output is the default.
    const std::filesystem::path configPath = agentConfigPath();
    const std::string config = readAgentSettings(configPath);
    setBoardOutputChoice(options_.output ? *options_.output
                                         : boardOutputChoiceOf(config).value_or("primary"));
    takeSmoothing(config, configPath);
    takeBoardScreenSize();
    installPointerSink();
    screenFollower_ = std::make_unique<ScreenFollower>([this] { followScreens(); });
    observeScreenCommands();

    initCalibrateData();
    if (stored.outcome == SettingArchiveLoad::Outcome::Loaded && !penToScreenMapping().isUsable()) {
        // Otherwise every light point is dropped and the pen seems dead.
        logWarning("the calibration stored in " + archivePath().string() +
                   " cannot map the pen (its four corners enclose no area); the pen is ignored "
                   "until the unit is calibrated: choose Calibrate in the tray menu or run "
                   "'eboardctl calibrate'");
        reportProblem(Problem::CalibrationNoArea, archivePath().string());
    }

    QThread::msleep(200);

    bus_.postNotification(names::kScrollBarsChanged, "", {});
}

void AppDelegate::takeSmoothing(std::string_view config, const std::filesystem::path& path) {
    std::vector<std::string> problems;
    const SmoothingChoice choice = smoothingChoiceOf(config, problems);
    for (const std::string& problem : problems) {
        logWarning(path.string() + ": " + problem);
    }
    prompt_->setSmoothingMode(choice.mode);
    prompt_->setIsmooth(choice.window);
    prompt_->setAdaptiveSmoothing(choice.adaptive);
    logInfo("pen smoothing: " + describeSmoothing(choice));
}

void AppDelegate::applicationWillTerminate() {
    closeHIDManager();
    releaseHeldButtons();
}

void AppDelegate::addToLoginItem() {
    addToAutostart(QCoreApplication::applicationFilePath().toStdString());
}

void AppDelegate::followScreens() {
    takeBoardScreenSize();
    initCalibrateData();
    const layout::BoardGeometry geometry = boardPointerGeometry();
    if (geometry != followedGeometry_) {
        // A stroke cannot go on across the change: its next point would jump.
        releaseHeldButtons();
        followedGeometry_ = geometry;
    }
    // The sink the pen posts through, whoever installed it.
    if (PointerSink* sink = pointerSink()) {
        sink->setBoardGeometry(geometry);
    }
    followBoardScreen();
}

void AppDelegate::setBoardOutput(const std::string& choice) {
    setBoardOutputChoice(choice);
    const QScreen* screen = boardScreen();
    const std::string board = screen != nullptr ? screen->name().toStdString() : std::string();
    logInfo("the board output is now " + (screen != nullptr ? "\"" + board + "\"" : "none") +
            " (chosen: " + boardOutputChoice() + ")");
    followScreens();
    // Only the agent knows whether the chosen output is connected: the one who asked hears
    // which output it really uses.
    bus_.postNotification(names::kBoardOutput, kCommandObject,
                          {{std::string(names::kOutputKey), boardOutputChoice()},
                           {std::string(names::kBoardKey), board}});
}

void AppDelegate::announceOutputs() {
    const std::vector<layout::OutputGeometry> outputs = desktopOutputs();
    const auto board = layout::chooseBoardOutput(outputs, boardOutputChoice(), nullptr);
    std::string lines;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        lines += layout::describeOutput(outputs[i], board == i) + "\n";
    }
    bus_.postNotification(names::kOutputs, kCommandObject,
                          {{std::string(names::kOutputsKey), lines}});
}

void AppDelegate::observeScreenCommands() {
    bus_.addObserver(names::kSetBoardOutput, [this](const UserInfo& userInfo) {
        const auto found = std::find_if(userInfo.begin(), userInfo.end(), [](const auto& entry) {
            return entry.first == names::kOutputKey;
        });
        const std::string* name =
            found != userInfo.end() ? std::get_if<std::string>(&found->second) : nullptr;
        setBoardOutput(name != nullptr ? *name : std::string("primary"));
    });
    bus_.addObserver(names::kListOutputs, [this](const UserInfo&) { announceOutputs(); });
}

void AppDelegate::installPointerSink() {
    std::string error;
    followedGeometry_ = boardPointerGeometry();
    pointerSink_ = makeBoardPointerSink(options_.pointer, followedGeometry_, &error);
    pointerProblem_ = pointerSink_ ? std::string() : error;
    if (!pointerSink_) {
        // The tray and calibration still work; only the pen cannot move the pointer.
        logWarning("the pen cannot move the pointer: " + error);
        reportProblem(Problem::NoPointerBackEnd);
    }
    setPointerSink(pointerSink_.get());
}

namespace {

std::string sessionDescription() {
    const char* type = std::getenv("XDG_SESSION_TYPE");
    std::string text = type != nullptr && *type != '\0' ? type : "unknown type";
    for (const char* variable : {"WAYLAND_DISPLAY", "DISPLAY"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            text += std::string(", ") + variable + "=" + value;
        }
    }
    return text + ", Qt platform " + QGuiApplication::platformName().toStdString();
}

} // namespace

AgentStatus AppDelegate::agentStatus() const {
    const JUXPrompt& prompt = JUXPrompt::getPrompt();
    AgentStatus status;
    if (const auto node = connectedUnitNode()) {
        status.unitConnected = true;
        status.unitNode = *node;
    }
    if (const PointerSink* sink = pointerSink()) {
        status.pointerBackend = std::string(pointerBackendNameOf(*sink));
    }
    status.pointerProblem = pointerProblem_;
    status.boardChoice = boardOutputChoice();
    if (const QScreen* screen = boardScreen()) {
        status.boardOutput = screen->name().toStdString();
    }
    // Asked as often as anyone likes: nothing here writes or logs.
    const SettingArchiveLoad stored = peekSettingArchive(archivePath());
    if (stored.outcome == SettingArchiveLoad::Outcome::Missing) {
        status.calibration = AgentStatus::Calibration::NotCalibrated;
    } else if (stored.outcome == SettingArchiveLoad::Outcome::Loaded &&
               penToScreenMapping().isUsable()) {
        status.calibration = AgentStatus::Calibration::Usable;
        status.grade = std::string(resultClassName(
            gradeCalibration(prompt.settingData(), 0, thresholdsInForce(thresholdsPath())).result));
    } else {
        status.calibration = AgentStatus::Calibration::Unusable;
    }
    SmoothingChoice smoothing;
    smoothing.mode = prompt.smoothingMode();
    smoothing.window = prompt.ismooth();
    smoothing.adaptive = prompt.adaptiveSmoothing();
    status.smoothing = describeSmoothing(smoothing);
    status.session = sessionDescription();
    return status;
}

void AppDelegate::reportProblem(Problem problem, std::string detail) {
    if (problemReporter_) {
        problemReporter_({problem, std::move(detail)});
    }
}

} // namespace eboard
