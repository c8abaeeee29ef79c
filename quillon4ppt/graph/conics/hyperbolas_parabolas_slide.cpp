#include "quillon4ppt/graph/conics/hyperbolas_parabolas_slide.h"

#include "common/numbers.h"
#include "quillon4ppt/graph/samples.h"

namespace graph {

double roundTwoDecimals(double value) {
    return common::Val(common::FormatFixed2(value));
}

std::vector<office::PointF> bezierRows(double from, double to,
                                       const std::function<office::PointF(double t, bool rounded)>& at,
                                       std::size_t* sampled) {
    Samples samples = PrepareSamples(from, to);
    std::vector<office::PointF>& rows = samples.points;
    const std::size_t n = rows.size();
    std::size_t i = 0;
    for (double t = from; t <= to; t += samples.step) {
        t = roundTwoDecimals(t);
        rows[i++] = at(t, true);
        if (i == n) break;
    }
    if (sampled) *sampled = i;
    if (n - i == 2) rows[n - 2] = at(to - samples.step, false);
    // A span too short for the sampler leaves more rows over: they all take the
    // end point rather than the slide's corner.
    for (std::size_t k = n - i == 2 ? n - 1 : i; k < n; ++k) rows[k] = at(to, false);
    return rows;
}

}  // namespace graph
