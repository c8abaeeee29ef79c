#pragma once
// What the hyperbola and parabola renderers share: the Bezier rows of a traced curve.
#include <functional>
#include <vector>

#include "platform/office/host.h"

namespace graph {

// The parameter runs from `from` to `to` in the sampler's step, rounded to two
// decimals as it goes (the rounded value is the base of the next step); `at` gives
// the slide point for a parameter, rounding the curve's value too when asked. Rows
// the loop leaves over take the unrounded points at to - step and to. The rows the
// loop filled are counted in `sampled` when it is given.
std::vector<office::PointF> bezierRows(double from, double to,
                                       const std::function<office::PointF(double t, bool rounded)>& at,
                                       std::size_t* sampled = nullptr);

// A value rounded to two decimals, halves away from zero, as the pattern "###0.00".
double roundTwoDecimals(double value);

}  // namespace graph
