// A hyperbola on the slide: two branch curves, then the foci, directrices,
// asymptotes and axes of symmetry the item asked for, in the order of its labels.
#include "quillon4ppt/graph/conics/hyperbolas.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_slide.h"
#include "quillon4ppt/graph/shape_styles.h"

namespace graph {
namespace {

struct Labels {
    const char* firstBranch;
    const char* secondBranch;
    const char* firstFocus;
    const char* secondFocus;
    const char* firstDirectrix;
    const char* secondDirectrix;
};

constexpr Labels kSideways = {"双曲线左支", "双曲线右支", "左焦点", "右焦点", "左准线", "右准线"};
constexpr Labels kUpright = {"双曲线下半支", "双曲线上半支", "双曲线下焦点",
                             "双曲线上焦点", "双曲线下准线", "双曲线上准线"};

class HyperbolaShapes {
public:
    HyperbolaShapes(SlideContext& s, const HyperbolaRecord& r)
        : s_(s), r_(r), h_{r.cx, r.cy, r.a2, r.b2, r.horizontal != 0}, style_{r.look.shapeStyle()} {}

    void render() {
        const Labels& names = h_.horizontal ? kSideways : kUpright;
        const double c = h_.c(), d = h_.a2 / c;
        branch(names.firstBranch, -1);
        branch(names.secondBranch, 1);
        if (r_.foci) {
            dot(names.firstFocus, across(-c));
            dot(names.secondFocus, across(c));
        }
        if (r_.directrices) {
            directrix(names.firstDirectrix, -d);
            directrix(names.secondDirectrix, d);
        }
        if (r_.asymptotes) {
            asymptote(1);
            asymptote(-1);
        }
        if (r_.axes) axes(c);
    }

private:
    office::PointF slidePoint(double x, double y) const { return {toSingle(s_.X(x)), toSingle(s_.Y(y))}; }
    // The point at distance k from the centre along the transverse axis.
    std::pair<double, double> across(double k) const {
        return h_.horizontal ? std::pair{h_.cx + k, h_.cy} : std::pair{h_.cx, h_.cy + k};
    }
    office::PointF branchPoint(double v, int sign, bool rounded) const {
        double offset = (h_.horizontal ? h_.cx : h_.cy) + sign * h_.branch(v);
        if (rounded) offset = roundTwoDecimals(offset);
        return h_.horizontal ? slidePoint(offset, v) : slidePoint(v, offset);
    }
    void branch(const char* label, int sign) {
        std::vector<office::PointF> rows = bezierRows(
            r_.tFrom, r_.tTo, [&](double v, bool rounded) { return branchPoint(v, sign, rounded); });
        styleOutline(*s_.addNamed(label, [&] { return s_.host.addCurve(rows); }), style_);
    }
    void dot(const char* label, std::pair<double, double> at) {
        styleFilled(*s_.addDot(label, s_.X(at.first), s_.Y(at.second)), style_);
    }
    void line(const char* label, double x1, double y1, double x2, double y2) {
        styleLine(*s_.addLine(label, s_.X(x1), s_.Y(y1), s_.X(x2), s_.Y(y2)), style_);
    }
    void directrix(const char* label, double k) {
        if (h_.horizontal)
            line(label, h_.cx + k, r_.tFrom, h_.cx + k, r_.tTo);
        else
            line(label, r_.tFrom, h_.cy + k, r_.tTo, h_.cy + k);
    }
    void asymptote(int sign) {
        const double m = sign * h_.slope();
        line("渐近线", r_.xFrom, h_.cy + m * (r_.xFrom - h_.cx), r_.xTo, h_.cy + m * (r_.xTo - h_.cx));
    }
    void axisLine(double x1, double y1, double x2, double y2) {
        styleAxisLine(*s_.addLine("双曲线对称轴", s_.X(x1), s_.Y(y1), s_.X(x2), s_.Y(y2)), style_);
    }
    void axes(double c) {
        if (h_.horizontal) {
            axisLine(h_.cx - 1.5 * c, h_.cy, h_.cx + 1.5 * c, h_.cy);
            axisLine(h_.cx, r_.tFrom, h_.cx, r_.tTo);
        } else {
            axisLine(r_.tFrom, h_.cy, r_.tTo, h_.cy);
            axisLine(h_.cx, h_.cy - 1.5 * c, h_.cx, h_.cy + 1.5 * c);
        }
    }

    SlideContext& s_;
    const HyperbolaRecord& r_;
    Hyperbola h_;
    ShapeStyle style_;
};

}  // namespace

void RenderHyperbola(SlideContext& slide, const HyperbolaRecord& r) {
    HyperbolaShapes(slide, r).render();
}

}  // namespace graph
