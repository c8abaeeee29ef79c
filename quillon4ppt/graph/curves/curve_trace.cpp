#include "quillon4ppt/graph/curves/curve_trace.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

bool Outside(double x, double y, const CoordinateFrame& f) {
    return x < f.xMin || x > f.xMax || y < f.yMin || y > f.yMax;
}

// The segment as it is drawn: the variable is the vertical coordinate of x = f(y).
CurveSegment Plotted(const CurveSegment& s, CurveAxis axis) {
    if (axis == CurveAxis::Horizontal) return s;
    return {s.y1, s.x1, s.y2, s.x2};
}

// Samples beyond the frame's range of the variable are never drawn: the trace keeps
// to that range and one step either side, on the sample grid of xStart, so a huge
// range takes no longer than the frame.
std::pair<double, double> TracedSpan(double xStart, double xEnd, double step, CurveAxis axis,
                                     const CoordinateFrame& f) {
    const double lo = axis == CurveAxis::Horizontal ? f.xMin : f.yMin;
    const double hi = axis == CurveAxis::Horizontal ? f.xMax : f.yMax;
    if (xStart < lo - step) xStart += std::floor((lo - xStart) / step - 1) * step;
    return {xStart, std::min(xEnd, hi + step)};
}

}  // namespace

bool SegmentOutsideFrame(const CurveSegment& s, const CoordinateFrame& frame) {
    return Outside(s.x1, s.y1, frame) || Outside(s.x2, s.y2, frame);
}

std::optional<double> CurveValue(const CurveFunction& f, double v) {
    const std::optional<double> y = f(v);
    if (!y || !drawable(*y)) return std::nullopt;
    return y;
}

IntervalCursor::IntervalCursor(std::vector<CurveInterval>& pieces) : pieces_(pieces) {
    pieces_.assign(1, CurveInterval{});
}

void IntervalCursor::drawn(double x1) {
    if (current().started) return;
    current().xFrom = x1;
    current().started = true;
}

void IntervalCursor::outside(double x1) {
    if (!current().started || current().ended) return;
    current().xTo = x1;
    current().ended = true;
    pieces_.emplace_back();
    ++index_;
}

void IntervalCursor::finish(bool lastOutside, double lastX) {
    if (!current().started && index_ > 0) {
        pieces_.pop_back();
        --index_;
    }
    // A piece that never started stays as it is: one unstarted piece means nothing to draw.
    if (lastOutside || !current().started || current().ended) return;
    current().xTo = lastX;
    current().ended = true;
}

void TracePreview(frmGraph& graph, const CurveFunction& f, double xStart, double xEnd, double step,
                  std::vector<CurveInterval>* pieces, CurveAxis axis, SegmentsDrawn drawn) {
    std::optional<IntervalCursor> cursor;
    if (pieces) cursor.emplace(*pieces);
    if (!std::isfinite(xStart) || !std::isfinite(xEnd) || !(step > 0)) return;
    std::tie(xStart, xEnd) = TracedSpan(xStart, xEnd, step, axis, graph.frame);
    CurveSegment s;
    s.x1 = s.x2 = xStart;
    const std::optional<double> first = CurveValue(f, xStart);
    bool begun = first.has_value();
    s.y1 = s.y2 = first.value_or(0);
    for (double x = xStart + step; x <= xEnd; x += step) {
        s.x2 = x;
        if (const std::optional<double> y = CurveValue(f, x))
            s.y2 = *y;
        else if (!begun)
            continue;
        if (!begun) {
            // The segment starts from the first value that succeeds.
            s.x1 = s.x2, s.y1 = s.y2;
            begun = true;
            continue;
        }
        const CurveSegment p = Plotted(s, axis);
        const bool outside = SegmentOutsideFrame(p, graph.frame);
        if (!outside || drawn == SegmentsDrawn::All)
            graph.Picture1.line(p.x1, p.y1, p.x2, p.y2, graph.lineColor());
        if (cursor) outside ? cursor->outside(s.x1) : cursor->drawn(s.x1);
        s.x1 = s.x2, s.y1 = s.y2;
    }
    if (cursor) cursor->finish(!begun || SegmentOutsideFrame(Plotted(s, axis), graph.frame), s.x1);
}

}  // namespace graph
