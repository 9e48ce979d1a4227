#pragma once

namespace eboard {

class JUXPrompt;

enum class CaptureResult {
    Ignored,      // held on the previous target still, or no target to fill
    Captured,     // stored; the crosshair moves on to the next target
    CapturedLast, // the fourth target stored; currentStatus is now 3
};

// One capture step of the target screen: takes LightPointRaw for the target that
// calibrateIndex names unless it lies within 64 raw units (on both axes, differences
// truncated toward zero) of the point taken for the target before it.
CaptureResult captureTargetPoint(JUXPrompt& prompt);

} // namespace eboard
