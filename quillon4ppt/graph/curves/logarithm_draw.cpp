// The logarithmic tab's draw action "确定" and the curves on the slide.
#include <cmath>

#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/logarithm.h"

namespace graph {
namespace {

// Where log_a |x| stops short of its pole, and where a range bound of 0 moves to.
constexpr double kGap = 0.1, kNearZero = 0.01;

RealFunction logOf(double a, bool mirrored, bool absolute) {
    return [=](double x) {
        const double v = std::log(mirrored ? -x : x) / std::log(a);
        return absolute ? std::fabs(v) : v;
    };
}

std::optional<LogPlan> planRight(LogForm form, double a, double xFrom, double xTo) {
    if (xFrom < 0 || xTo < 0) return std::nullopt;
    if (xFrom == 0) xFrom = kNearZero;
    if (!Sizable(xFrom, xTo)) return std::nullopt;
    const RealFunction f = logOf(a, false, form == kAbsLogX);
    const auto span = ValueSpan({f(xFrom), f(xTo)});
    if (!span) return std::nullopt;
    // |log_a x| comes down to 0 wherever the range holds 1.
    const double low = form == kAbsLogX ? 0 : span->first;
    return LogPlan{xFrom, xTo, low, span->second, {{f, xFrom, xTo}}};
}

std::optional<LogPlan> planBothSides(double a, double xFrom, double xTo) {
    if (!Sizable(xFrom, -kGap) || !Sizable(kGap, xTo)) return std::nullopt;
    const RealFunction right = logOf(a, false, false), left = logOf(a, true, false);
    const auto span = ValueSpan({right(kGap), left(xFrom), right(xTo)});
    if (!span) return std::nullopt;
    // The left branch stops exactly where the gap begins, as the right one starts there.
    return LogPlan{xFrom, xTo, span->first, span->second, {{right, kGap, xTo}, {left, xFrom, -kGap, true}}};
}

std::optional<LogPlan> planLeft(double a, double xFrom, double xTo) {
    if (xTo == 0) xTo = -kNearZero;
    if (!Sizable(xFrom, xTo)) return std::nullopt;
    const RealFunction left = logOf(a, true, false);
    const auto span = ValueSpan({left(xFrom), left(xTo)});
    if (!span) return std::nullopt;
    return LogPlan{xFrom, xTo, span->first, span->second, {{left, xFrom, xTo}}};
}

}  // namespace

std::optional<LogPlan> PlanLogarithm(LogForm form, double a, double xFrom, double xTo) {
    if (!ValidBase(a)) return std::nullopt;
    if (form != kLogAbsX || xFrom >= 0) return planRight(form == kLogAbsX ? kLogX : form, a, xFrom, xTo);
    if (xTo > 0) return planBothSides(a, xFrom, xTo);
    return planLeft(a, xFrom, xTo);
}

void LogarithmFamily::cmdOK_log_Click() {
    frmGraph& g = graph_;
    const double a = readBox(txtA_log);
    if (!ValidBase(a)) {
        g.showRangeError();
        return;
    }
    const double xFrom = readBox(txtXmin_Log), xTo = readBox(txtXmax_Log);
    g.CurveExtents.cxMin = xFrom;
    g.CurveExtents.cxMax = xTo;
    const std::optional<LogForm> form = LogFormOf(g.EquationFormKey);
    if (!form) return;
    const std::optional<LogPlan> plan = PlanLogarithm(*form, a, xFrom, xTo);
    if (!plan) {
        g.showRangeError();
        return;
    }
    if (!g.beginCurve(plan->low, plan->high)) return;
    for (const CurvePiece& piece : plan->pieces) TraceCurve(g, piece);
    records.at(counter) = {*form, a, plan->xFrom, plan->xTo, g.lineLook()};
    g.listItem(*this);
}

void RenderLogarithm(SlideContext& slide, const LogRecord& r) {
    const std::optional<LogPlan> plan = PlanLogarithm(static_cast<LogForm>(r.form), r.a, r.xFrom, r.xTo);
    if (!plan) return;
    for (const CurvePiece& piece : plan->pieces) EmitPiece(slide, piece, "对数函数", r.look);
}

}  // namespace graph
