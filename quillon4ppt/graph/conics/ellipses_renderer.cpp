// An ellipse on the slide: the oval, then the foci, directrices and axes it asked for.
#include <array>

#include "quillon4ppt/graph/conics/ellipses_family.h"
#include "quillon4ppt/graph/shape_styles.h"

namespace graph {
namespace {

struct Point {
    double x, y;
};

struct Labels {
    std::array<const char*, 2> foci, directrices;
};

// The first of each pair lies on the negative side of a horizontal major axis, on
// the positive side of a vertical one.
constexpr Labels kAlongX{{"椭圆左焦点", "椭圆右焦点"}, {"椭圆左准线", "椭圆右准线"}};
constexpr Labels kAlongY{{"椭圆上焦点", "椭圆下焦点"}, {"椭圆上准线", "椭圆下准线"}};

class EllipseOnSlide {
public:
    EllipseOnSlide(SlideContext& s, const EllipseRecord& r)
        : s_(s),
          e_{r.cx, r.cy, r.a2, r.b2, r.horizontal != 0},
          style_{r.look.shapeStyle()},
          labels_(e_.horizontal ? kAlongX : kAlongY),
          first_(e_.horizontal ? -1 : 1) {}

    void oval() {
        const double ox = s_.frame.originX, oy = s_.frame.originY, u = s_.frame.unitLength;
        const double sx = semiAxisX(), sy = semiAxisY();
        styleOutline(
            *s_.addOval("椭圆", (e_.cx - sx) * u + ox, oy - (sy + e_.cy) * u, 2 * sx * u, 2 * sy * u),
            style_);
    }
    void foci() {
        for (int i = 0; i < 2; ++i) {
            const Point f = at(side(i) * e_.c(), 0);
            styleFilled(*s_.addDot(labels_.foci[i], s_.X(f.x), s_.Y(f.y)), style_);
        }
    }
    void directrices() {
        const double d = e_.directrix(), n = 1.5 * e_.b();
        for (int i = 0; i < 2; ++i)
            line(labels_.directrices[i], at(side(i) * d, -n), at(side(i) * d, n), style_);
    }
    void axes() {
        const ShapeStyle dashed{style_.color, office::dash::Dash, style_.weight};
        const double hx = 1.5 * semiAxisX(), hy = 1.5 * semiAxisY();
        line("椭圆对称轴", {e_.cx - hx, e_.cy}, {e_.cx + hx, e_.cy}, dashed);
        line("椭圆对称轴", {e_.cx, e_.cy - hy}, {e_.cx, e_.cy + hy}, dashed);
    }

private:
    double semiAxisX() const { return e_.horizontal ? e_.a() : e_.b(); }
    double semiAxisY() const { return e_.horizontal ? e_.b() : e_.a(); }
    double side(int i) const { return i == 0 ? first_ : -first_; }
    // m along the major axis and n along the minor one, from the centre.
    Point at(double m, double n) const {
        return e_.horizontal ? Point{e_.cx + m, e_.cy + n} : Point{e_.cx + n, e_.cy + m};
    }
    void line(const char* label, Point from, Point to, const ShapeStyle& style) {
        styleLine(*s_.addLine(label, s_.X(from.x), s_.Y(from.y), s_.X(to.x), s_.Y(to.y)), style);
    }

    SlideContext& s_;
    EllipseShape e_;
    ShapeStyle style_;
    const Labels& labels_;
    double first_;
};

}  // namespace

void RenderEllipse(SlideContext& s, const EllipseRecord& r) {
    EllipseOnSlide ellipse(s, r);
    ellipse.oval();
    if (r.foci) ellipse.foci();
    if (r.directrices) ellipse.directrices();
    if (r.axes) ellipse.axes();
}

}  // namespace graph
