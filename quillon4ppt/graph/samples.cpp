#include "quillon4ppt/graph/samples.h"

#include <algorithm>
#include <cmath>

namespace graph {
namespace {
constexpr long kMostRows = 1L << 20;
}  // namespace

Samples PrepareSamples(double xFrom, double xTo) {
    Samples s;
    double span = xTo - xFrom;
    long n = static_cast<long>(std::trunc(span * 2));
    while (n < 501) {
        if (s.step < 0.08) break;
        s.step = s.step - 0.05;
        n = static_cast<long>(std::trunc(span / s.step));
    }
    n = std::clamp(n, 4L, kMostRows);
    if (n % 3 == 0)
        n += 1;
    else if (n % 3 == 2)
        n += 2;
    s.points.resize(static_cast<std::size_t>(n));
    return s;
}

bool Samplable(double xFrom, double xTo) {
    // Spans short enough for the finer steps have far fewer rows than the bound.
    return std::trunc((xTo - xFrom) * 2) <= kMostRows;
}

}  // namespace graph
