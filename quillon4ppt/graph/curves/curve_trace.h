#pragma once
// What every function-curve family shares before the slide: its function, the
// visibility test of one segment, and the preview tracer with its piece tracking.
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "quillon4ppt/graph/coordinate_frame.h"

namespace graph {

class frmGraph;

// The family's function of its variable; nullopt where it cannot be evaluated.
using CurveFunction = std::function<std::optional<double>(double)>;

// How the variable is plotted: along x (y = f(x)) or along y (x = f(y)).
enum class CurveAxis { Horizontal, Vertical };

// One visible piece of a curve, as a range of the variable.
struct CurveInterval {
    double xFrom = 0, xTo = 0;
    bool started = false;  // the piece has its first point
    bool ended = false;    // and its last
};

// The previous point of a trace in (x1, y1), the new one in (x2, y2).
struct CurveSegment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// True when either end lies outside the frame's ranges.
bool SegmentOutsideFrame(const CurveSegment& s, const CoordinateFrame& frame);

// f(v) when it is a number the preview and the slide can take.
std::optional<double> CurveValue(const CurveFunction& f, double v);

// Piece tracking: each run of drawn segments becomes one piece.
class IntervalCursor {
public:
    // The array starts with one piece that is not started.
    explicit IntervalCursor(std::vector<CurveInterval>& pieces);
    // A segment from x1 was drawn, or was not because it leaves the frame.
    void drawn(double x1);
    void outside(double x1);
    // After the loop: drops a trailing piece that never started and ends the last
    // one at lastX unless the final point is outside.
    void finish(bool lastOutside, double lastX);

private:
    CurveInterval& current() { return pieces_[index_]; }
    std::vector<CurveInterval>& pieces_;
    std::size_t index_ = 0;
};

// Which segments a trace draws: those inside the frame, or all of them (families
// whose checks keep poles out of the range).
enum class SegmentsDrawn { InsideFrame, All };

// Short straight segments from xStart in steps of step while the variable stays at
// or below xEnd, in the line colour; a segment with an end outside the frame is not
// drawn unless all are. A failed evaluation keeps the value before it; before the
// first success nothing is drawn. With pieces given, the visible pieces are recorded there.
void TracePreview(frmGraph& graph, const CurveFunction& f, double xStart, double xEnd, double step,
                  std::vector<CurveInterval>* pieces, CurveAxis axis = CurveAxis::Horizontal,
                  SegmentsDrawn drawn = SegmentsDrawn::InsideFrame);

}  // namespace graph
