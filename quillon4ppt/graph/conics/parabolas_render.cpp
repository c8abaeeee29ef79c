// A parabola on the slide: the curve, then the focus, the directrix and the axis of
// symmetry the item asked for.
#include <cmath>

#include "quillon4ppt/graph/conics/hyperbolas_parabolas_slide.h"
#include "quillon4ppt/graph/conics/parabolas.h"
#include "quillon4ppt/graph/shape_styles.h"

namespace graph {
namespace {

class ParabolaShapes {
public:
    ParabolaShapes(SlideContext& s, const ParabolaRecord& r)
        : s_(s), r_(r), p_{r.s, r.x0, r.y0, openingOfText(r.opening)}, style_{r.look.shapeStyle()} {}

    // The traced parameter: y sideways, x up and down.
    std::pair<double, double> span() const {
        if (!p_.sideways()) return {r_.xFrom, r_.xTo};
        const double h = p_.opening == Opening::X ? std::sqrt(p_.s * (r_.xTo - p_.x0))
                                                  : std::sqrt(-p_.s * (r_.xFrom - p_.x0));
        return {p_.y0 - h, p_.y0 + h};
    }

    void render(double tFrom, double tTo) {
        std::vector<office::PointF> rows =
            bezierRows(tFrom, tTo, [&](double t, bool rounded) { return curvePoint(t, tTo, rounded); });
        styleOutline(*s_.addNamed("抛物线", [&] { return s_.host.addCurve(rows); }), style_);
        if (r_.focus) {
            const auto [fx, fy] = p_.focus();
            styleFilled(*s_.addDot("抛物线焦点", s_.X(fx), s_.Y(fy)), style_);
        }
        if (r_.directrix) directrix(tFrom, tTo);
        if (r_.axis && !vertexOnAxis()) axis();
    }

private:
    office::PointF slidePoint(double x, double y) const { return {toSingle(s_.X(x)), toSingle(s_.Y(y))}; }
    office::PointF curvePoint(double t, double tTo, bool rounded) const {
        double v = p_.at(t);
        if (rounded) v = roundTwoDecimals(v);
        // Sideways the curve ends exactly at the end of the x range.
        if (p_.sideways() && !rounded && t == tTo) v = p_.opening == Opening::X ? r_.xTo : r_.xFrom;
        return p_.sideways() ? slidePoint(v, t) : slidePoint(t, v);
    }
    void line(const char* label, double x1, double y1, double x2, double y2, bool axisLine) {
        auto shape = s_.addLine(label, s_.X(x1), s_.Y(y1), s_.X(x2), s_.Y(y2));
        axisLine ? styleAxisLine(*shape, style_) : styleLine(*shape, style_);
    }
    void directrix(double tFrom, double tTo) {
        const double d = p_.directrix();
        if (p_.sideways())
            line("抛物线准线", d, tFrom, d, tTo, false);
        else
            line("抛物线准线", r_.xFrom, d, r_.xTo, d, false);
    }
    // The coordinate axis already stands where the axis of symmetry would.
    bool vertexOnAxis() const { return p_.sideways() ? p_.y0 == 0 : p_.x0 == 0; }
    void axis() {
        const double half = p_.s / 2;
        if (p_.sideways()) {
            line("抛物线对称轴", r_.xFrom - half, p_.y0, r_.xTo + half, p_.y0, true);
            return;
        }
        const double k = p_.opening == Opening::Y ? half : -half;
        line("抛物线对称轴", p_.x0, p_.y0 - k, p_.x0, p_.at(r_.xTo) + k, true);
    }

    SlideContext& s_;
    const ParabolaRecord& r_;
    Parabola p_;
    ShapeStyle style_;
};

}  // namespace

void RenderParabola(SlideContext& slide, const ParabolaRecord& r, CurveExtents& extents) {
    ParabolaShapes shapes(slide, r);
    const auto [tFrom, tTo] = shapes.span();
    if (opensSideways(openingOfText(r.opening))) {
        extents.cyMin = tFrom;
        extents.cyMax = tTo;
    } else {
        extents.cxMin = tFrom;
        extents.cxMax = tTo;
    }
    shapes.render(tFrom, tTo);
}

}  // namespace graph
