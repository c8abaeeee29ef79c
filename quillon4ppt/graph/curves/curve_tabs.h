#pragma once
// What the exponential, logarithmic, power and inverse-proportion tabs share: their
// bounded suggestion loops, the span of a curve's values, the boxes of a range, and
// the preview trace and slide pieces of a curve y = f(x).
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms/controls.h"
#include "quillon4ppt/graph/conics/hyperbolas_geometry.h"
#include "quillon4ppt/graph/line_look.h"
#include "quillon4ppt/graph/slide_context.h"

namespace graph {

class frmGraph;

using RealFunction = std::function<double(double)>;

// One stretch of a curve: the preview traces it and the slide gets one shape of it.
struct CurvePiece {
    RealFunction f;
    double from = 0, to = 0;
    bool exactEnd = false;  // the slide's curve ends at `to` itself, not at its last sample
};

// Adds `step` to x (by repeated addition, as a teacher counts) while `going(x)`
// holds; nothing when x leaves lo..hi first, so no loop runs for ever.
std::optional<double> StepWhile(double x, double step, double lo, double hi,
                                const std::function<bool(double)>& going);

// The lowest and highest of the values; nothing when one of them is not a number
// the preview and the slide can take.
std::optional<std::pair<double, double>> ValueSpan(std::initializer_list<double> values);

// Writes a suggested or stored range into the two boxes as number text.
void ShowRange(forms::TextBox& from, forms::TextBox& to, const XRange& range);

// A base of powers and logarithms: positive, not 1, and of a sensible size.
bool ValidBase(double a);

// A range the preview and the sampler can take: its end lies beyond its start.
bool Sizable(double from, double to);

// Draws the piece into the preview in the line colour, every segment whatever its
// height, 0.01 apart.
void TraceCurve(frmGraph& graph, const CurvePiece& piece);

// One curve shape on the slide for the piece.
void EmitPiece(SlideContext& slide, const CurvePiece& piece, const std::string& label, const LineLook& look);

}  // namespace graph
