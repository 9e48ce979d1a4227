#pragma once

#include <cstddef>
#include <vector>

namespace eboard {

// A position in 64-bit floats: raw light points, screen targets, pointer positions.
struct PointD {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const PointD&, const PointD&) = default;
};

// A position in 32-bit floats, the precision of the perspective mapping.
struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    friend bool operator==(const PointF&, const PointF&) = default;
};

// Stores a point at an index of a point list: the index equal to the count appends,
// an index below it replaces. Returns false (and changes nothing) for an index past the end.
inline bool storePointAt(std::vector<PointD>& points, std::size_t index, PointD point) {
    if (index < points.size()) {
        points[index] = point;
        return true;
    }
    if (index == points.size()) {
        points.push_back(point);
        return true;
    }
    return false;
}

} // namespace eboard
