// The parabola tab's draw action "确定" and its preview.
#include <initializer_list>

#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/conics/parabolas.h"

namespace graph {
namespace {

// Everything the preview and the slide compute from the item must be a number.
bool Plottable(const Parabola& p, double xFrom, double xTo, double yFrom, double yTo) {
    const auto [fx, fy] = p.focus();
    for (double v :
         {p.s, p.x0, p.y0, xFrom, xTo, yFrom, yTo, fx, fy, p.directrix(), xTo + p.s, p.at(xTo) + p.s})
        if (!drawable(v)) return false;
    return true;
}

}  // namespace

void ParabolaFamily::cmdOK_PWX_Click() {
    frmGraph& g = graph_;
    const double xFrom = readBox(txtXmin_PWX), xTo = readBox(txtXmax_PWX);
    g.CurveExtents.cxMin = xFrom;
    g.CurveExtents.cxMax = xTo;
    const ParabolaInput in = input();
    g.Picture1.fillColor = g.lineColor();
    g.Picture1.fillStyle = 0;
    const std::optional<ParabolaForm> form = parabolaFormOf(g.EquationFormKey);
    if (!form) {
        g.dialogs().msgBox(kNoFormMessage);
        return;
    }
    if (rejectsParabola(*form, in, xFrom, xTo)) {
        g.showRangeError();
        return;
    }
    const Parabola p = canonicalParabola(*form, in);
    const auto [bottom, top] = parabolaHeight(*form, in, xFrom, xTo);
    if (!Plottable(p, xFrom, xTo, bottom, top)) {
        g.showRangeError();
        return;
    }
    if (!g.beginCurve(bottom, top)) return;
    ParabolaRecord& r = records.at(counter);
    r.s = p.s, r.x0 = p.x0, r.y0 = p.y0;
    r.xFrom = xFrom, r.xTo = xTo;
    r.opening = openingText(p.opening);
    preview(*form, p, bottom, top, r);
    r.look = g.lineLook();
    g.listItem(*this);
}

void ParabolaFamily::preview(ParabolaForm form, const Parabola& p, double yFrom, double yTo,
                             ParabolaRecord& r) {
    forms::PictureBox& pic = graph_.Picture1;
    const common::Rgb color = graph_.lineColor();
    if (p.sideways()) {
        auto [lo, hi] = visibleY(pic);
        traceConic(pic, color, yFrom, yTo, lo, hi, [&](double y) { return std::pair{p.at(y), y}; });
    } else {
        auto [lo, hi] = visibleX(pic);
        traceConic(pic, color, r.xFrom, r.xTo, lo, hi, [&](double x) { return std::pair{x, p.at(x)}; });
    }
    r.focus = chkFocus_PWX.checked() ? -1 : 0;
    if (r.focus) {
        const auto [fx, fy] = p.focus();
        pic.circle(fx, fy, graph_.frame.markSize, color);
    }
    r.directrix = chkDirectrix_PWX.checked() ? -1 : 0;
    if (r.directrix) {
        const double d = p.directrix();
        if (p.sideways())
            pic.line(d, yFrom, d, yTo, color);
        else
            pic.line(r.xFrom, d, r.xTo, d, color);
    }
    r.axis = !isStandardParabola(form) && chkAxis_PWX.checked() ? -1 : 0;
    if (r.axis) {
        const CoordinateFrame& f = graph_.frame;
        if (p.sideways())
            graph_.drawDashedGuide(f.xMin, p.y0, f.xMax, p.y0);
        else
            graph_.drawDashedGuide(p.x0, f.yMin, p.x0, f.yMax);
    }
}

}  // namespace graph
