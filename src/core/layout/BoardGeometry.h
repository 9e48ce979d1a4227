#pragma once
// Where the pen's points land on the desktop. Mapping, targets and windows work in the board
// output's logical pixels (origin at the output's top-left, y down); the pointer back ends
// take device pixels of the whole desktop. These functions are the one conversion between
// the two.

#include "core/base/Point.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace eboard::layout {

// A rectangle of whole pixels, origin top-left, y down.
struct PixelRect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct PixelPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// One output as the toolkit reports it. Its logical rectangle keeps the output's device
// origin and divides only the size by the scale (Qt's convention on X11 and Wayland alike).
struct OutputGeometry {
    std::string name;
    PixelRect logical;
    double scale = 1.0; // device pixels per logical pixel
    bool primary = false;
};

// The output's rectangle in the desktop's device pixels.
PixelRect deviceRect(const OutputGeometry& output);

// The smallest rectangle holding every output, in device pixels (empty without outputs).
PixelRect desktopBox(std::span<const OutputGeometry> outputs);

// What a pointer back end needs: the board output and the whole desktop, in device pixels.
struct BoardGeometry {
    PixelRect board;
    double scale = 1.0;
    PixelRect desktop;
    friend bool operator==(const BoardGeometry&, const BoardGeometry&) = default;
};

// The board geometry with outputs[board] as the board output.
BoardGeometry boardGeometry(std::span<const OutputGeometry> outputs, std::size_t board);

// A single output of width x height at the desktop's origin, scale 1.
BoardGeometry singleOutputGeometry(std::int32_t width, std::int32_t height);

// The desktop device pixel (X11 root-window coordinates) of a point in the board output's
// logical pixels: origin + point x scale, clamped to the board output so that a stroke
// running off the board never lands on the next screen. Nothing for a non-finite point or
// an empty board.
std::optional<PixelPoint> boardToDevice(const BoardGeometry& geometry, PointD logical);

// The same pixel as the values of absolute axes spanning the desktop's bounding box, one
// value per device pixel from 0 at its top-left.
std::optional<PixelPoint> boardToAxes(const BoardGeometry& geometry, PointD logical);

// The output the user chose: "" or "primary" for the primary output, else the one of that
// name. A name no output has falls back to the primary, and *note (if given) says so.
// Nothing without outputs; the first output when none is marked primary.
std::optional<std::size_t> chooseBoardOutput(std::span<const OutputGeometry> outputs,
                                             std::string_view choice, std::string* note);

// One output as a line for people: "NAME WxH+X+Y scale S", then "primary" and "board" when
// it is; geometry in device pixels.
std::string describeOutput(const OutputGeometry& output, bool board);

} // namespace eboard::layout
