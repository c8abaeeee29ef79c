#include "quillon4ppt/graph/curves/curve_tabs.h"

#include <algorithm>

#include "common/numbers.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curve_checks.h"
#include "quillon4ppt/graph/curves/curve_trace.h"
#include "quillon4ppt/graph/curves/emit_curve.h"

namespace graph {
namespace {
// A step can overshoot an edge by rounding only.
constexpr double kSlack = 1e-9;
constexpr double kTraceStep = 0.01;

CurveFunction evaluated(const RealFunction& f) {
    return [&f](double x) -> std::optional<double> { return f(x); };
}

}  // namespace

std::optional<double> StepWhile(double x, double step, double lo, double hi,
                                const std::function<bool(double)>& going) {
    while (going(x)) {
        x += step;
        if (x < lo - kSlack || x > hi + kSlack) return std::nullopt;
    }
    return x;
}

bool ValidBase(double a) {
    return a > 0 && a != 1 && drawable(a);
}

bool Sizable(double from, double to) {
    return drawable(from) && drawable(to) && to > from;
}

std::optional<std::pair<double, double>> ValueSpan(std::initializer_list<double> values) {
    for (double v : values)
        if (!drawable(v)) return std::nullopt;
    return std::pair{std::min(values), std::max(values)};
}

void ShowRange(forms::TextBox& from, forms::TextBox& to, const XRange& range) {
    from.setText(common::NumberText(range.from));
    to.setText(common::NumberText(range.to));
}

void TraceCurve(frmGraph& graph, const CurvePiece& p) {
    TracePreview(graph, evaluated(p.f), p.from, p.to, kTraceStep, nullptr, CurveAxis::Horizontal,
                 SegmentsDrawn::All);
}

void EmitPiece(SlideContext& slide, const CurvePiece& p, const std::string& label, const LineLook& look) {
    EmitCurve(slide, evaluated(p.f), p.from, p.to, label, look, CurveAxis::Horizontal,
              p.exactEnd ? CurveEnd::Exact : CurveEnd::LastSample);
}

}  // namespace graph
