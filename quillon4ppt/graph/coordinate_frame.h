#pragma once
// The axis ranges of the graph workspace, the preview's size unit and the slide frame.
#include <cstdint>

#include "common/color.h"

namespace graph {

struct CoordinateFrame {
    std::int16_t xMin = -5, xMax = 5, yMin = -5, yMax = 5;
    double markSize = 0.1;                  // arrowheads, letters and ticks in the preview
    std::int32_t originX = 0, originY = 0;  // slide point of the mathematical origin
    double unitLength = 0;                  // slide points per unit

    double X(double x) const { return originX + unitLength * x; }
    double Y(double y) const { return originY - unitLength * y; }
};

// The coordinate system at the head of the plot list.
struct AxesItem {
    std::int16_t xMin = -5, xMax = 5, yMin = -5, yMax = 5;
    std::int16_t drawScale = 0;  // -1 / 0
    std::int16_t lineStyle = 0;
    std::int16_t lineWeight = 0;
    common::Rgb color = common::kBlack;
};

// Line-style index to the host's dash style.
int StyleToDash(int index);

// Fixes originX, originY and unitLength for a slide of the given size.
void ComputeSlideFrame(CoordinateFrame& frame, double slideWidth, double slideHeight, int intK, int xRange);

}  // namespace graph
