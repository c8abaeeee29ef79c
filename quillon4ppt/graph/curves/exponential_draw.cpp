// The exponential tab's draw action "确定" and the curve on the slide.
#include <cmath>

#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/exponential.h"

namespace graph {
namespace {

RealFunction exponential(double a, double h, double k) {
    return [=](double x) { return std::pow(a, x + h) + k; };
}

}  // namespace

void ExponentialFamily::cmdOK_Exponent_Click() {
    frmGraph& g = graph_;
    const double a = readBox(txtA_Exponent[0]), h = readBox(txtA_Exponent[1]), k = readBox(txtA_Exponent[2]);
    if (!ValidBase(a) || !drawable(h) || !drawable(k)) {
        g.showRangeError();
        return;
    }
    const double xFrom = readBox(txtXmin_Exponent), xTo = readBox(txtXmax_Exponent);
    g.CurveExtents.cxMin = xFrom;
    g.CurveExtents.cxMax = xTo;
    const RealFunction f = exponential(a, h, k);
    // The curve is monotone, so its ends are its lowest and highest points.
    const auto span = ValueSpan({f(xFrom), f(xTo)});
    if (!Sizable(xFrom, xTo) || !span) {
        g.showRangeError();
        return;
    }
    if (!g.beginCurve(span->first, span->second)) return;
    TraceCurve(g, {f, xFrom, xTo});
    records.at(counter) = {a, h, k, xFrom, xTo, g.lineLook()};
    g.listItem(*this);
}

void RenderExponential(SlideContext& slide, const ExpRecord& r) {
    EmitPiece(slide, {exponential(r.a, r.h, r.k), r.xFrom, r.xTo}, "指数函数", r.look);
}

}  // namespace graph
