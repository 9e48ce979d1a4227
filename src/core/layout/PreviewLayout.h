#pragma once

#include "core/base/Point.h"
#include "core/layout/Rect.h"
#include "core/pen/ProjectiveMapping.h"

#include <array>
#include <cstdint>

namespace eboard::layout {

// The camera preview screen for a screen of width w and height h. Every division is an
// integer division, taken before any conversion to floating point.
struct PreviewLayout {
    std::int32_t left = 0;   // L = w / 5
    std::int32_t top = 0;    // T = h / 5
    std::int32_t right = 0;  // R = L + 3w / 5
    std::int32_t bottom = 0; // B = T + 3h / 5
    RectD frame;             // the stroked check-area frame
    RectD instructionText;   // "previewString", below the frame
    RectD exitText;          // "previewStringExit", below the instruction
    RectD titleText;         // "previewStringTitle", above the frame
    std::array<RectD, 4> cornerSquares;
};

PreviewLayout previewLayout(std::int32_t width, std::int32_t height);

// The preview's own mapping from the camera's 1024 x 768 field onto the check area:
// source and destination corners, corner j of one matching corner j of the other.
Quad previewSourceQuad();
Quad previewTargetQuad(const PreviewLayout& layout);

// The light point's square, centred on a point of the view.
RectD lightPointSquare(PointD centre);

} // namespace eboard::layout
