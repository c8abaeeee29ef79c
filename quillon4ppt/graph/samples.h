#pragma once
// The sampler the curve renderers share: a step and a number of Bezier points.
#include <vector>

#include "platform/office/host.h"

namespace graph {

struct Samples {
    double step = 0.5;
    std::vector<office::PointF> points;  // rows 1..n are points[0..n-1]
};

// n - 1 is always a multiple of 3, and there are at least four rows, so the rows
// always make a Bezier curve.
Samples PrepareSamples(double xFrom, double xTo);

// The sampler covers the whole span within its bound of rows; past it a curve
// would stop part-way.
bool Samplable(double xFrom, double xTo);

}  // namespace graph
