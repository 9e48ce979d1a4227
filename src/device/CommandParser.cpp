#include "device/CommandParser.h"

#include "app/DataPaths.h"
#include "app/JUXPrompt.h"
#include "app/Log.h"
#include "app/NotificationCenter.h"
#include "calibration/SettingArchive.h"
#include "pointer/ProjectiveMapping.h"
#include "pointer/StrokeInterpretation.h"

#include <cstddef>

namespace eboard {

namespace {

constexpr std::size_t kChecksumOffset = 2;
constexpr std::size_t kLengthOffset = 3;
constexpr std::size_t kPayloadOffset = 4;

std::uint16_t bigEndianWord(Frame frame, std::size_t offset) {
    return static_cast<std::uint16_t>((frame[offset] << 8) | frame[offset + 1]);
}

void post(std::string_view name) {
    NotificationCenter::defaultCenter().postNotification(name);
}

void storeLightPoint(Frame frame) {
    JUXPrompt::getPrompt().setLightPointRaw(PointD{rawLightPointX(frame), rawLightPointY(frame)});
}

} // namespace

bool isValidFrame(Frame frame) {
    const std::uint8_t length = frame[kLengthOffset];
    if (frame[0] != 0x01 || frame[1] != 0x55 || length > kMaxPayloadLength) {
        return false;
    }
    unsigned sum = frame[0] + frame[1] + length;
    for (std::size_t i = 0; i < length; ++i) {
        sum += frame[kPayloadOffset + i];
    }
    return (sum & 0xFFu) == frame[kChecksumOffset];
}

bool frameHasLightPoint(Frame frame) {
    const auto point = frame.subspan<kPayloadOffset, 4>();
    const bool allZero = (point[0] | point[1] | point[2] | point[3]) == 0x00;
    const bool allOnes = (point[0] & point[1] & point[2] & point[3]) == 0xFF;
    return !allZero && !allOnes;
}

double rawLightPointX(Frame frame) {
    return 1024.0 - bigEndianWord(frame, 4);
}
double rawLightPointY(Frame frame) {
    return bigEndianWord(frame, 6);
}

ParserState& parserState() {
    static ParserState state;
    return state;
}

void checkFrame(Frame frame) {
    if (isValidFrame(frame)) {
        dispatchFrame(kFrameHeader, frame);
    }
}

void dispatchFrame(std::uint16_t /*header*/, Frame frame) {
    const bool hasLightPoint = frameHasLightPoint(frame);
    switch (JUXPrompt::getPrompt().currentStatus()) {
    case JUXPrompt::kPointerMode:
        if (hasLightPoint) {
            storeLightPoint(frame);
        }
        pointerState().lightPointPresent = hasLightPoint;
        interpretStroke();
        break;
    case JUXPrompt::kPreviewMode:
        if (hasLightPoint) {
            storeLightPoint(frame);
            parserState().previewShown = true;
            post("UpdatePreView");
        } else if (parserState().previewShown) {
            parserState().previewShown = false;
            post("CleanPreView");
        }
        break;
    case JUXPrompt::kTargetCaptureMode:
        if (hasLightPoint) {
            storeLightPoint(frame);
            post("UpdateCalibrate");
        }
        break;
    case JUXPrompt::kTargetsCapturedMode:
        if (!hasLightPoint) {
            completeCalibration();
        }
        break;
    default:
        break;
    }
}

void completeCalibration() {
    JUXPrompt& prompt = JUXPrompt::getPrompt();
    const std::vector<PointD>& captured = prompt.CalibratePoint();
    const std::vector<PointD>& targets = prompt.ScreenCalibratePoint();
    if (captured.size() < 4 || targets.size() < 4) {
        // Nothing to solve: keep the mapping and the record, give the pen back.
        prompt.setCurrentStatus(JUXPrompt::kPointerMode);
        return;
    }

    const auto f = [](double v) { return static_cast<float>(v); };
    const PointD& c0 = captured[0];
    const PointD& c1 = captured[1];
    const PointD& c2 = captured[2];
    const PointD& c3 = captured[3];
    const Quad source{f(c0.x), f(c0.y), f(c2.x), f(c2.y), f(c1.x), f(c1.y), f(c3.x), f(c3.y)};
    const Quad target{f(targets[0].x), f(targets[0].y), f(targets[2].x), f(targets[2].y),
                      f(targets[1].x), f(targets[1].y), f(targets[3].x), f(targets[3].y)};
    penToScreenMapping().setPerspective(source, target);

    // Slots in screen reading order: top left, top right, bottom left, bottom right.
    SettingData& record = prompt.settingData();
    record.setRaw0_X(source[0]);
    record.setRaw0_Y(source[1]);
    record.setRaw1_X(source[2]);
    record.setRaw1_Y(source[3]);
    record.setRaw2_X(source[4]);
    record.setRaw2_Y(source[5]);
    record.setRaw3_X(source[6]);
    record.setRaw3_Y(source[7]);
    prompt.setIFirstCalibrate(1);

    // A failed write leaves the new mapping in force until the agent ends; say so, since
    // the calibration will be gone at the next start.
    if (const std::error_code error = writeSettingArchive(archivePath(), record)) {
        logWarning("cannot store the calibration in " + archivePath().string() + " (" +
                   error.message() + "); it holds until the agent ends");
    }

    prompt.setCurrentStatus(JUXPrompt::kPointerMode);
    post("CalibrateFinish");
}

} // namespace eboard
