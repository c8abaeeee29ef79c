// "确定" on the ellipse tab: the checks, the question, and the preview.
#include "common/numbers.h"
#include "common/text.h"
#include "quillon4ppt/graph/conics/ellipses_family.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {

void EllipseFamily::cmdOK_TY_Click() {
    auto& g = graph_;
    const double p = readBox(txtA2_TY), q = readBox(txtB2_TY), s = readBox(txtX0_TY), t = readBox(txtY0_TY),
                 f = readBox(txtF_TY);
    g.Picture1.fillColor = g.lineColor();
    g.Picture1.fillStyle = 1;
    const std::string key = common::lowerAscii(g.EquationFormKey);
    const auto e = ellipseFromInputs(key, p, q, s, t, f);
    if (!e) {
        g.dialogs().msgBox(kEllipseInputMessage);
        return;
    }
    const bool standard = isStandardForm(key);
    const CurveExtents box = extentsOf(*e, standard && chkDirectrix_TY.checked());
    g.CurveExtents = box;
    if (!g.fitsSlide(box) || g.outOfFrameDeclined()) return;
    EllipseRecord r;
    r.cx = e->cx, r.cy = e->cy, r.a2 = e->a2, r.b2 = e->b2;
    r.horizontal = e->horizontal ? -1 : 0;
    preview(*e, box, r, !standard && chkAxis_TY.checked());
    r.look = g.lineLook();
    records.at(counter) = r;
    g.listItem(*this);
}

// The ellipse's own box, or reaching to the directrices along the major axis.
CurveExtents EllipseFamily::extentsOf(const EllipseShape& e, bool toDirectrices) const {
    const double major = toDirectrices ? e.directrix() : e.a(), minor = e.b();
    const double sx = e.horizontal ? major : minor, sy = e.horizontal ? minor : major;
    return {e.cx - sx, e.cx + sx, e.cy - sy, e.cy + sy};
}

void EllipseFamily::preview(const EllipseShape& e, const CurveExtents& box, EllipseRecord& r, bool withAxes) {
    auto& g = graph_;
    auto& p = g.Picture1;
    const common::Rgb color = g.lineColor();
    const double a = e.a(), b = e.b(), c = e.c(), d = e.directrix();
    p.circle(e.cx, e.cy, a, color, e.horizontal ? b / a : a / b);
    if (chkFocus_TY.checked()) {
        p.fillStyle = 0;
        for (double side : {-1.0, 1.0}) {
            if (e.horizontal)
                p.circle(e.cx + side * c, e.cy, g.frame.markSize, color);
            else
                p.circle(e.cx, e.cy + side * c, g.frame.markSize, color);
        }
        p.fillStyle = 1;
        r.foci = -1;
    }
    if (chkDirectrix_TY.checked()) {
        for (double side : {-1.0, 1.0}) {
            if (e.horizontal)
                p.line(e.cx + side * d, box.cyMin, e.cx + side * d, box.cyMax, color);
            else
                p.line(box.cxMin, e.cy + side * d, box.cxMax, e.cy + side * d, color);
        }
        r.directrices = -1;
    }
    if (withAxes) {
        g.drawDashedGuide(g.frame.xMin, e.cy, g.frame.xMax, e.cy);
        g.drawDashedGuide(e.cx, g.frame.yMin, e.cx, g.frame.yMax);
        r.axes = -1;
    }
}

}  // namespace graph
