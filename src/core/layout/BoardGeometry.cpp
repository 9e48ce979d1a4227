#include "core/layout/BoardGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace eboard::layout {

namespace {

std::int32_t scaled(std::int32_t length, double scale) {
    return static_cast<std::int32_t>(std::lround(static_cast<double>(length) * scale));
}

std::int32_t clampedFloor(double value, std::int32_t first, std::int32_t extent) {
    const double last = static_cast<double>(first) + static_cast<double>(extent) - 1.0;
    return static_cast<std::int32_t>(std::clamp(std::floor(value), double(first), last));
}

} // namespace

PixelRect deviceRect(const OutputGeometry& output) {
    const double scale = output.scale > 0.0 && std::isfinite(output.scale) ? output.scale : 1.0;
    return {output.logical.x, output.logical.y, scaled(output.logical.width, scale),
            scaled(output.logical.height, scale)};
}

PixelRect desktopBox(std::span<const OutputGeometry> outputs) {
    if (outputs.empty()) {
        return {};
    }
    const PixelRect first = deviceRect(outputs.front());
    std::int64_t left = first.x;
    std::int64_t top = first.y;
    std::int64_t right = std::int64_t{first.x} + first.width;
    std::int64_t bottom = std::int64_t{first.y} + first.height;
    for (const OutputGeometry& output : outputs.subspan(1)) {
        const PixelRect r = deviceRect(output);
        left = std::min<std::int64_t>(left, r.x);
        top = std::min<std::int64_t>(top, r.y);
        right = std::max<std::int64_t>(right, std::int64_t{r.x} + r.width);
        bottom = std::max<std::int64_t>(bottom, std::int64_t{r.y} + r.height);
    }
    return {static_cast<std::int32_t>(left), static_cast<std::int32_t>(top),
            static_cast<std::int32_t>(right - left), static_cast<std::int32_t>(bottom - top)};
}

BoardGeometry boardGeometry(std::span<const OutputGeometry> outputs, std::size_t board) {
    if (board >= outputs.size()) {
        return {};
    }
    const OutputGeometry& output = outputs[board];
    return {deviceRect(output), output.scale > 0.0 ? output.scale : 1.0, desktopBox(outputs)};
}

BoardGeometry singleOutputGeometry(std::int32_t width, std::int32_t height) {
    const PixelRect rect{0, 0, width, height};
    return {rect, 1.0, rect};
}

std::optional<PixelPoint> boardToDevice(const BoardGeometry& geometry, PointD logical) {
    const PixelRect& board = geometry.board;
    if (!std::isfinite(logical.x) || !std::isfinite(logical.y) || board.isEmpty()) {
        return std::nullopt;
    }
    return PixelPoint{clampedFloor(board.x + logical.x * geometry.scale, board.x, board.width),
                      clampedFloor(board.y + logical.y * geometry.scale, board.y, board.height)};
}

std::optional<PixelPoint> boardToAxes(const BoardGeometry& geometry, PointD logical) {
    const auto device = boardToDevice(geometry, logical);
    if (!device || geometry.desktop.isEmpty()) {
        return std::nullopt;
    }
    return PixelPoint{device->x - geometry.desktop.x, device->y - geometry.desktop.y};
}

std::optional<std::size_t> chooseBoardOutput(std::span<const OutputGeometry> outputs,
                                             std::string_view choice, std::string* note) {
    if (outputs.empty()) {
        return std::nullopt;
    }
    if (!choice.empty() && choice != "primary") {
        const auto named = std::find_if(outputs.begin(), outputs.end(),
                                        [&](const OutputGeometry& o) { return o.name == choice; });
        if (named != outputs.end()) {
            return static_cast<std::size_t>(named - outputs.begin());
        }
    }
    const auto primary = std::find_if(outputs.begin(), outputs.end(),
                                      [](const OutputGeometry& o) { return o.primary; });
    const std::size_t index =
        primary != outputs.end() ? static_cast<std::size_t>(primary - outputs.begin()) : 0;
    if (!choice.empty() && choice != "primary" && note != nullptr) {
        *note = "the board output \"" + std::string(choice) + "\" is not connected; using " +
                "the primary output \"" + outputs[index].name + "\"";
    }
    return index;
}

std::string describeOutput(const OutputGeometry& output, bool board) {
    const PixelRect r = deviceRect(output);
    char scale[32];
    std::snprintf(scale, sizeof scale, "%g", output.scale);
    std::string line = output.name + " " + std::to_string(r.width) + "x" +
                       std::to_string(r.height) + (r.x < 0 ? "" : "+") + std::to_string(r.x) +
                       (r.y < 0 ? "" : "+") + std::to_string(r.y) + " scale " + scale;
    if (output.primary) {
        line += " primary";
    }
    if (board) {
        line += " board";
    }
    return line;
}

} // namespace eboard::layout
