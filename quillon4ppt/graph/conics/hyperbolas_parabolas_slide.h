#pragma once
// What the hyperbola and parabola renderers share: the Bezier rows of a traced
// curve and the way their curves, dots and lines are styled.
#include <functional>
#include <vector>

#include "common/color.h"
#include "platform/office/host.h"

namespace graph {

// The parameter runs from `from` to `to` in the sampler's step, rounded to two
// decimals as it goes (the rounded value is the base of the next step); `at` gives
// the slide point for a parameter, rounding the curve's value too when asked. Rows
// the loop leaves over take the unrounded points at to - step and to.
std::vector<office::PointF> BezierRows(double from, double to,
                                       const std::function<office::PointF(double t, bool rounded)>& at);

// A value rounded to two decimals, halves away from zero, as the pattern "###0.00".
double RoundTwoDecimals(double value);

struct ConicStyle {
    common::Rgb color = 0;
    int dash = 0;
    float weight = 0;
};

void StyleCurve(office::Shape& shape, const ConicStyle& style);
void StyleDot(office::Shape& shape, const ConicStyle& style);
void StyleLine(office::Shape& shape, const ConicStyle& style);
// Axes of symmetry are dashed whatever the item's own style.
void StyleAxisLine(office::Shape& shape, const ConicStyle& style);

}  // namespace graph
