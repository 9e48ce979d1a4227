#pragma once

#include "core/base/Point.h"
#include "core/calibration/SettingData.h"
#include "core/pen/Smoothing.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace eboard {

// iCalibrateType: the kind of run; any value but 0 is read as a diagnosis.
enum class CalibrationType : std::int32_t { Normal = 0, Diagnosis = 1 };
// connectionState: whether a camera unit is connected and open.
enum class ConnectionState : std::int32_t { NoUnit = 0, Connected = 1 };

// The one process-wide state that the agent's parts share. It only stores values:
// the rules for when a field changes live with the code that writes it.
// Every field is read and written on the main thread; only the creation is guarded.
class JUXPrompt {
public:
    // Parser modes held in currentStatus.
    enum Status : std::int32_t {
        kPointerMode = 0,
        kPreviewMode = 1,
        kTargetCaptureMode = 2,
        kTargetsCapturedMode = 3,
    };

    // Language indices held in localeID.
    enum Locale : std::int32_t {
        kEnglish = 0,
        kChinese = 1,
        kJapanese = 2,
        kFrench = 3,
        kGerman = 4
    };

    // The shared instance, created on the first call from whichever thread makes it.
    static JUXPrompt& getPrompt();

    JUXPrompt(const JUXPrompt&) = delete;
    JUXPrompt& operator=(const JUXPrompt&) = delete;
    JUXPrompt(JUXPrompt&&) = delete;
    JUXPrompt& operator=(JUXPrompt&&) = delete;

    // Chooses localeID from a locale identifier such as "de_CH": the piece before the
    // first "_" is compared exactly with en, zh, ja, fr, de; anything else leaves it as is.
    void setlocale(std::string_view localeIdentifier);

    bool bFirstRun() const { return bFirstRun_; }
    void setBFirstRun(bool v) { bFirstRun_ = v; }
    bool bInPrograss() const { return bInPrograss_; }
    void setBInPrograss(bool v) { bInPrograss_ = v; }
    std::int32_t connectionState() const { return connectionState_; }
    void setConnectionState(std::int32_t v) { connectionState_ = v; }
    bool unitConnected() const {
        return connectionState_ == static_cast<std::int32_t>(ConnectionState::Connected);
    }
    void setConnection(ConnectionState state) {
        connectionState_ = static_cast<std::int32_t>(state);
    }
    std::int32_t screenWidth() const { return screenWidth_; }
    void setScreenWidth(std::int32_t v) { screenWidth_ = v; }
    std::int32_t screenHeight() const { return screenHeight_; }
    void setScreenHeight(std::int32_t v) { screenHeight_ = v; }
    std::int32_t currentStatus() const { return currentStatus_; }
    void setCurrentStatus(std::int32_t v) { currentStatus_ = v; }
    std::int32_t calibrateIndex() const { return calibrateIndex_; }
    void setCalibrateIndex(std::int32_t v) { calibrateIndex_ = v; }
    std::int32_t ismooth() const { return ismooth_; }
    void setIsmooth(std::int32_t v) { ismooth_ = v; }
    // Which smoothing a continuing stroke gets: the average over ismooth samples (the
    // default) or the adaptive filter with its parameters.
    SmoothingMode smoothingMode() const { return smoothingMode_; }
    void setSmoothingMode(SmoothingMode v) { smoothingMode_ = v; }
    const AdaptiveSmoothing& adaptiveSmoothing() const { return adaptiveSmoothing_; }
    void setAdaptiveSmoothing(const AdaptiveSmoothing& v) { adaptiveSmoothing_ = v; }
    std::int32_t iAreaTotalPer() const { return iAreaTotalPer_; }
    void setIAreaTotalPer(std::int32_t v) { iAreaTotalPer_ = v; }
    std::int32_t iCalibrateType() const { return iCalibrateType_; }
    void setICalibrateType(std::int32_t v) { iCalibrateType_ = v; }
    CalibrationType calibrationType() const {
        return iCalibrateType_ != 0 ? CalibrationType::Diagnosis : CalibrationType::Normal;
    }
    void setCalibrationType(CalibrationType type) {
        iCalibrateType_ = static_cast<std::int32_t>(type);
    }
    std::int32_t iEdgePer() const { return iEdgePer_; }
    void setIEdgePer(std::int32_t v) { iEdgePer_ = v; }
    std::int32_t itoScreenErrorType() const { return itoScreenErrorType_; }
    void setItoScreenErrorType(std::int32_t v) { itoScreenErrorType_ = v; }
    std::int32_t iFirstCalibrate() const { return iFirstCalibrate_; }
    void setIFirstCalibrate(std::int32_t v) { iFirstCalibrate_ = v; }
    std::int32_t localeID() const { return localeID_; }
    void setLocaleID(std::int32_t v) { localeID_ = v; }

    SettingData& settingData() { return settingData_; }
    const SettingData& settingData() const { return settingData_; }
    void setSettingData(const SettingData& v) { settingData_ = v; }

    // Raw points captured by the target screen, element i for target i.
    std::vector<PointD>& CalibratePoint() { return calibratePoint_; }
    const std::vector<PointD>& CalibratePoint() const { return calibratePoint_; }
    void setCalibratePoint(std::vector<PointD> v) { calibratePoint_ = std::move(v); }

    // The four screen targets (origin bottom-left), element i for target i.
    std::vector<PointD>& ScreenCalibratePoint() { return screenCalibratePoint_; }
    const std::vector<PointD>& ScreenCalibratePoint() const { return screenCalibratePoint_; }
    void setScreenCalibratePoint(std::vector<PointD> v) { screenCalibratePoint_ = std::move(v); }

    const std::string& openSkriboString() const { return openSkriboString_; }
    void setOpenSkriboString(std::string v) { openSkriboString_ = std::move(v); }

    PointD LightPointRaw() const { return lightPointRaw_; }
    void setLightPointRaw(PointD v) { lightPointRaw_ = v; }

    // Why the last completed calibration could not be stored: the path and the system's
    // reason; empty once one was stored.
    const std::string& storeFailure() const { return storeFailure_; }
    void setStoreFailure(std::string v) { storeFailure_ = std::move(v); }

private:
    JUXPrompt() = default;

    bool bFirstRun_ = false;
    bool bInPrograss_ = false;
    std::int32_t connectionState_ = 0;
    std::int32_t screenWidth_ = 0;
    std::int32_t screenHeight_ = 0;
    std::int32_t currentStatus_ = kPointerMode;
    std::int32_t calibrateIndex_ = 0;
    std::int32_t ismooth_ = 4;
    SmoothingMode smoothingMode_ = SmoothingMode::Average;
    AdaptiveSmoothing adaptiveSmoothing_;
    std::int32_t iAreaTotalPer_ = 0;
    std::int32_t iCalibrateType_ = 0;
    std::int32_t iEdgePer_ = 0;
    std::int32_t itoScreenErrorType_ = 0;
    std::int32_t iFirstCalibrate_ = 0;
    std::int32_t localeID_ = kEnglish;
    SettingData settingData_;
    std::vector<PointD> calibratePoint_;
    std::vector<PointD> screenCalibratePoint_;
    std::string openSkriboString_ = "tell application \"Skribo\"\n"
                                    "if it is not running then\n"
                                    "tell application \"Skribo\" to activate\n"
                                    "end if\n"
                                    "end tell\n";
    PointD lightPointRaw_;
    std::string storeFailure_;
};

} // namespace eboard
