#pragma once

#include <QPainterPath>
#include <TamsuToolKit/Export.h>
#include <optional>

// Category NSBezierPath (CGPath). NSBezierPath and CGPath both map to QPainterPath.
namespace TamsuToolKit::CGPath {

// A copy of `path` (moves, lines, cubics) whose last subpath is closed when it was
// left open; an empty path gives std::nullopt.
TAMSUTOOLKIT_EXPORT std::optional<QPainterPath> CGPath(const QPainterPath& path);

} // namespace TamsuToolKit::CGPath
