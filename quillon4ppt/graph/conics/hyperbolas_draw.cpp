// The hyperbola tab's draw action "确定" and its preview.
#include <initializer_list>

#include "quillon4ppt/graph/conics/hyperbolas.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"

namespace graph {
namespace {

bool AllDrawable(std::initializer_list<double> values) {
    for (double v : values)
        if (!drawable(v)) return false;
    return true;
}

// Everything the preview and the slide compute from the item must be a number.
bool Plottable(const Hyperbola& h, double xFrom, double xTo, double yFrom, double yTo) {
    const double c = h.c(), m = h.slope();
    return AllDrawable({h.cx, h.cy, h.a2, h.b2, xFrom, xTo, yFrom, yTo, c, h.a2 / c, m * (xFrom - h.cx),
                        m * (xTo - h.cx), h.cx + 1.5 * c, h.cy + 1.5 * c});
}

}  // namespace

void HyperbolaFamily::cmdOK_SQX_Click() {
    frmGraph& g = graph_;
    const std::optional<HyperbolaForm> form = hyperbolaFormOf(g.EquationFormKey);
    if (!form) {
        g.dialogs().msgBox(kNoFormMessage);
        return;
    }
    const HyperbolaInput in = input();
    if (*form != HyperbolaForm::General && (in.p <= 0 || in.q <= 0)) {
        g.showRangeError();
        return;
    }
    const double xFrom = readBox(txtXmin_SQX), xTo = readBox(txtXmax_SQX);
    g.CurveExtents.cxMin = xFrom;
    g.CurveExtents.cxMax = xTo;
    g.Picture1.fillColor = g.lineColor();
    g.Picture1.fillStyle = 0;
    // A general equation that is no hyperbola, or a range that ends between the
    // vertices, leaves the branches without an extent to draw.
    const std::optional<Hyperbola> h = deriveHyperbola(*form, in);
    const std::optional<double> rise = h ? h->rise(xTo) : std::nullopt;
    const double top = rise ? h->cy + *rise : 0, bottom = rise ? 2 * h->cy - top : 0;
    if (!rise || !Plottable(*h, xFrom, xTo, bottom, top)) {
        g.showRangeError();
        return;
    }
    if (!g.beginCurve(bottom, top)) return;
    HyperbolaRecord& r = records.at(counter);
    r.cx = h->cx, r.cy = h->cy, r.a2 = h->a2, r.b2 = h->b2;
    r.xFrom = xFrom, r.xTo = xTo;
    r.tFrom = h->horizontal ? bottom : xFrom;
    r.tTo = h->horizontal ? top : xTo;
    r.horizontal = h->horizontal ? -1 : 0;
    preview(*h, !isStandardHyperbola(*form), r);
    r.look = g.lineLook();
    g.listItem(*this);
}

void HyperbolaFamily::preview(const Hyperbola& h, bool sideAxes, HyperbolaRecord& r) {
    forms::PictureBox& p = graph_.Picture1;
    const common::Rgb color = graph_.lineColor();
    const double c = h.c(), m = h.slope(), d = h.a2 / c, radius = graph_.frame.markSize;
    for (int sign : {1, -1}) {
        if (h.horizontal) {
            auto [lo, hi] = visibleY(p);
            traceConic(p, color, r.tFrom, r.tTo, lo, hi, [&](double y) {
                return std::pair{h.cx + sign * h.branch(y), y};
            });
        } else {
            auto [lo, hi] = visibleX(p);
            traceConic(p, color, r.tFrom, r.tTo, lo, hi, [&](double x) {
                return std::pair{x, h.cy + sign * h.branch(x)};
            });
        }
    }
    r.foci = chkFocus_SQX.checked() ? -1 : 0;
    if (r.foci) {
        for (int sign : {1, -1}) {
            if (h.horizontal)
                p.circle(h.cx + sign * c, h.cy, radius, color);
            else
                p.circle(h.cx, h.cy + sign * c, radius, color);
        }
    }
    r.directrices = chkDirectrix_SQX.checked() ? -1 : 0;
    if (r.directrices) {
        for (int sign : {-1, 1}) {
            if (h.horizontal)
                p.line(h.cx + sign * d, r.tFrom, h.cx + sign * d, r.tTo, color);
            else
                p.line(r.xFrom, h.cy + sign * d, r.xTo, h.cy + sign * d, color);
        }
    }
    r.asymptotes = chkJJX_SQX.checked() ? -1 : 0;
    if (r.asymptotes) {
        for (int sign : {-1, 1})
            p.line(r.xFrom, h.cy + sign * m * (r.xFrom - h.cx), r.xTo, h.cy + sign * m * (r.xTo - h.cx),
                   color);
    }
    r.axes = sideAxes && chkAxis_SQX.checked() ? -1 : 0;
    if (r.axes) {
        const CoordinateFrame& f = graph_.frame;
        graph_.drawDashedGuide(f.xMin, h.cy, f.xMax, h.cy);
        graph_.drawDashedGuide(h.cx, f.yMin, h.cx, f.yMax);
    }
}

}  // namespace graph
