#pragma once
// The slide emitter every function-curve family shares: one piece of a curve as one
// Bezier curve shape.
#include <string>

#include "quillon4ppt/graph/curves/curve_trace.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/slide_context.h"

namespace graph {

// Where a curve whose samples fill every row ends: at its last sample, or exactly
// at xTo (rounded as the samples are).
enum class CurveEnd { LastSample, Exact };

// Samples f from xFrom to xTo in the sampler's step, the variable and the value
// rounded to two decimals, and adds the curve named from label in the look's line
// without fill. A failed evaluation keeps the value before it (the first success
// stands in for the failures before it). Adds nothing and returns false for a piece
// too short to sample (fewer than 3 samples) or one where nothing evaluates.
bool EmitCurve(SlideContext& slide, const CurveFunction& f, double xFrom, double xTo,
               const std::string& label, const LineLook& look, CurveAxis axis = CurveAxis::Horizontal,
               CurveEnd end = CurveEnd::LastSample);

}  // namespace graph
