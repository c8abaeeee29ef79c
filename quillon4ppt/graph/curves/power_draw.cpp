// The power tab's draw action "确定" and the curves on the slide.
#include "common/numbers.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/power.h"

namespace graph {

void PowerFamily::cmdOK_Pwoer_Click() {
    frmGraph& g = graph_;
    const double n = readBox(txtN_Power), xFrom = readBox(txtXmin_Power), xTo = readBox(txtXmax_Power);
    g.CurveExtents.cxMin = xFrom;
    g.CurveExtents.cxMax = xTo;
    if (!WholeInt16(n)) {
        g.showRangeError();
        return;
    }
    const std::optional<PowerForm> form = PowerFormOf(g.EquationFormKey);
    if (!form) return;
    const std::optional<PowerCurve> curve = typedCurve(*form);
    if (!curve) return;
    const std::optional<PowerPlan> plan = PlanPower(*curve, xFrom, xTo);
    if (!plan) {
        g.showRangeError();
        return;
    }
    if (!g.beginCurve(plan->low, plan->high)) return;
    for (const CurvePiece& piece : plan->pieces) TraceCurve(g, piece);
    // The root index means nothing to x^n; it is kept as typed when it fits.
    const std::int16_t m = WholeInt16(common::roundHalfEven(readBox(txtM_Power))).value_or(0);
    records.at(counter) = {*form, *WholeInt16(n), m, xFrom, xTo, g.lineLook()};
    g.listItem(*this);
}

void RenderPower(SlideContext& slide, const PowerRecord& r) {
    const auto curve = PowerCurve::make(static_cast<PowerForm>(r.form), r.n, r.m);
    const auto plan = curve ? PlanPower(*curve, r.xFrom, r.xTo) : std::nullopt;
    if (!plan) return;
    for (const CurvePiece& piece : plan->pieces) EmitPiece(slide, piece, "幂函数", r.look);
}

}  // namespace graph
