#pragma once
// What a slide can hold. DrawingML keeps positions and sizes in EMU (12,700 to a
// point) within about ±27.3 trillion, line weights up to 1584 points and font sizes
// from 1 to 4000 points; the object model refuses anything else, infinity and NaN
// included, before it changes a shape.
#include <cmath>
#include <string>
#include <vector>

#include "common/numbers.h"
#include "platform/office/host.h"

namespace office {

constexpr double kFarthestPoints = 2147483647.0;
constexpr double kHeaviestLine = 1584;
constexpr double kSmallestFont = 1, kLargestFont = 4000;

inline double checkedRange(double value, double low, double high, const char* what) {
    if (!(value >= low && value <= high))
        throw HostError("The " + std::string(what) + " " + common::PlainNumberText(value) +
                        " is outside the range a slide can hold.");
    return value;
}

inline double checkedPosition(double points) {
    return checkedRange(points, -kFarthestPoints, kFarthestPoints, "position");
}
inline double checkedSize(double points) {
    return checkedRange(points, 0, kFarthestPoints, "size");
}

inline float checkedWeight(float points) {
    return static_cast<float>(checkedRange(points, 0, kHeaviestLine, "line weight"));
}
inline float checkedFontSize(float points) {
    return static_cast<float>(checkedRange(points, kSmallestFont, kLargestFont, "font size"));
}

// Every point, and the box around them.
inline void checkPositions(const std::vector<PointF>& points) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const PointF& p : points) {
        minX = std::fmin(minX, checkedPosition(p.x)), maxX = std::fmax(maxX, p.x);
        minY = std::fmin(minY, checkedPosition(p.y)), maxY = std::fmax(maxY, p.y);
    }
    if (points.empty()) return;
    checkedSize(maxX - minX);
    checkedSize(maxY - minY);
}

}  // namespace office
