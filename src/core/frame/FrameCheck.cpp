#include "core/frame/FrameCheck.h"

#include "core/calibration/CalibrationCompletion.h"
#include "core/notify/Names.h"
#include "core/notify/NotificationCenter.h"
#include "core/pen/StrokeInterpretation.h"
#include "core/state/JUXPrompt.h"

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
            post(names::kUpdatePreView);
        } else if (parserState().previewShown) {
            parserState().previewShown = false;
            post(names::kCleanPreView);
        }
        break;
    case JUXPrompt::kTargetCaptureMode:
        if (hasLightPoint) {
            storeLightPoint(frame);
            post(names::kUpdateCalibrate);
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

} // namespace eboard
