#pragma once

#include "core/frame/UnitConstants.h"

#include <cstdint>
#include <span>

namespace eboard {

// One input report of the camera unit, handled in place.
using Frame = std::span<const std::uint8_t, kUnitReportSize>;

// The two header bytes read as one little-endian word.
inline constexpr std::uint16_t kFrameHeader = 0x5501;
// Bytes after the length byte: a payload length above this reaches past the frame.
inline constexpr std::uint8_t kMaxPayloadLength = 16;

// Header 01 55, payload length at most 16, and the checksum byte equal to the low
// byte of the sum of offsets 0, 1, 3 and the payload.
bool isValidFrame(Frame frame);
// Offsets 4 to 7 neither all 0x00 nor all 0xFF.
bool frameHasLightPoint(Frame frame);
// (1024 - X, Y) with X and Y big-endian at offsets 4 and 6; the camera image is mirrored.
double rawLightPointX(Frame frame);
double rawLightPointY(Frame frame);

// Every report of the right length goes here: a valid frame is dispatched, any other
// is dropped without a trace and changes no state.
void checkFrame(Frame frame);
// Acts on a valid frame by the parser mode (currentStatus of the shared state):
// 0 pointer, 1 preview, 2 target capture, 3 complete a calibration; others ignored.
void dispatchFrame(std::uint16_t header, Frame frame);

// The parser's memory between frames apart from the pointer's own state.
struct ParserState {
    // Set after a preview frame with a light point posted "UpdatePreView"; cleared when
    // "CleanPreView" is posted. Survives mode changes.
    bool previewShown = false;
};
ParserState& parserState();

} // namespace eboard
