#pragma once
// The straight line a teacher describes in one of seven textbook forms, and the part
// of it the range boxes propose.
#include <string>

#include "quillon4ppt/graph/coordinate_frame.h"

namespace graph {

enum LineForm {
    kSlopeIntercept,
    kPointSlope,
    kTwoPoint,
    kIntercepts,
    kPointDirection,
    kPointNormal,
    kGeneral
};

struct PointValue {
    double x = 0, y = 0;
};

// "(2,-1)": the brackets are dropped unchecked. Without a comma the text is x and y
// is 0; a full-width comma counts as a comma.
PointValue ReadPointText(const std::string& text);

// A number box: trimmed, read leniently; a number too large to hold reads as 0.
double readNumberText(const std::string& text);

// Assigns only a finite result: a computation that fails keeps the previous value.
void keepFinite(double& variable, double value);

struct StraightLine {
    enum Kind { Sloped, Vertical, NoLine } kind = Sloped;
    double k = 0, b = 0;  // y = kx + b
    double x = 0;         // x = X
    PointValue p;         // the form's point, where it has one (P1 for two points)
    PointValue p2;        // P2 of the two-point form
};

// The texts of txtZX(0), (1) and (2) in the given form. NoLine is the general form
// with both coefficients 0.
StraightLine lineFromInputs(int form, const std::string& t0, const std::string& t1, const std::string& t2);

struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The segment drawn for the range s..e: x values for a sloped line, y values for a
// vertical one.
Segment segmentOf(int form, const StraightLine& line, double s, double e);

struct LineRange {
    double from = 0, to = 0;
};

// The x range of a sloped line inside the frame: the frame's x range, cut where the
// line leaves its y range. A line that misses the frame gets from > to.
LineRange clipToFrame(const StraightLine& line, const CoordinateFrame& frame);

}  // namespace graph
