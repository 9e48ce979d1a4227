#include "app/AppDelegate.h"

#include "app/Autostart.h"
#include "app/SessionIntegration.h"
#include "core/base/DataPaths.h"
#include "core/base/Log.h"
#include "core/calibration/CalibrationData.h"
#include "core/calibration/SettingArchive.h"
#include "core/frame/UnitConstants.h"
#include "core/pen/PointerSink.h"
#include "core/pen/ProjectiveMapping.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"
#include "device/HID_Communication.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>

namespace eboard {

AppDelegate::AppDelegate(DistributedCenter& bus, AgentOptions options)
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
        setupHIDManagerForPath(*options_.devicePath);
    } else {
        setupHIDManager(kUnitVendorId, kUnitProductId, kUnitUsagePage);
    }

    prompt_ = &JUXPrompt::getPrompt();

    // An unreadable archive keeps the default points; the reader has said why.
    const SettingArchiveLoad stored = readSettingArchive(archivePath());
    if (stored.outcome == SettingArchiveLoad::Outcome::Loaded) {
        prompt_->setSettingData(stored.data);
    }

    if (prompt_->bFirstRun()) {
        addToLoginItem();
    }

    showScrollBarsAlways();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect frame = screen->geometry();
        prompt_->setScreenWidth(frame.width());
        prompt_->setScreenHeight(frame.height());
    } else {
        prompt_->setScreenWidth(0);
        prompt_->setScreenHeight(0);
    }
    installPointerSink();

    initCalibrateData();
    if (stored.outcome == SettingArchiveLoad::Outcome::Loaded && !penToScreenMapping().isUsable()) {
        // Otherwise every light point is dropped and the pen seems dead.
        logWarning("the calibration stored in " + archivePath().string() +
                   " cannot map the pen (its four corners enclose no area); the pen is ignored "
                   "until the unit is calibrated: choose Calibrate in the tray menu or run "
                   "'eboardctl calibrate'");
    }

    QThread::msleep(200);

    bus_.postNotification("AppleShowScrollBarsSettingChanged", "", {});
}

void AppDelegate::applicationWillTerminate() {
    closeHIDManager();
    releaseHeldButtons();
}

void AppDelegate::addToLoginItem() {
    addToAutostart(QCoreApplication::applicationFilePath().toStdString());
}

void AppDelegate::installPointerSink() {
    std::string error;
    pointerSink_ = makePointerSink(
        options_.pointer, ScreenGeometry{prompt_->screenWidth(), prompt_->screenHeight()}, &error);
    if (!pointerSink_) {
        // The tray and calibration still work; only the pen cannot move the pointer.
        logWarning("the pen cannot move the pointer: " + error);
    }
    setPointerSink(pointerSink_.get());
}

} // namespace eboard
