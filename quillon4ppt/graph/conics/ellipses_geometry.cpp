#include "quillon4ppt/graph/conics/ellipses_geometry.h"

#include <cmath>

namespace graph {

double EllipseShape::a() const {
    return std::sqrt(a2);
}
double EllipseShape::b() const {
    return std::sqrt(b2);
}
double EllipseShape::c() const {
    return std::sqrt(a2 - b2);
}
double EllipseShape::directrix() const {
    return a2 / c();
}

bool isStandardForm(const std::string& key) {
    return key == "bx" || key == "by";
}

namespace {

std::optional<EllipseShape> fromGeneral(double A, double B, double D, double E, double F) {
    if (!(A > 0 && B > 0 && A != B)) return std::nullopt;
    const double K = D * D / (4 * A) + E * E / (4 * B) - F;
    if (!(K > 0)) return std::nullopt;
    EllipseShape e;
    e.cx = -D / (2 * A), e.cy = -E / (2 * B);
    e.horizontal = B > A;
    e.a2 = e.horizontal ? K / A : K / B;
    e.b2 = e.horizontal ? K / B : K / A;
    return e;
}

std::optional<EllipseShape> fromSemiAxes(double p, double q, double cx, double cy, bool horizontal) {
    if (!(p > 0 && q > 0 && p > q)) return std::nullopt;
    return EllipseShape{cx, cy, p, q, horizontal};
}

std::optional<EllipseShape> fromKey(const std::string& key, double p, double q, double s, double t,
                                    double f) {
    if (key == "bx") return fromSemiAxes(p, q, 0, 0, true);
    if (key == "by") return fromSemiAxes(p, q, 0, 0, false);
    if (key == "pyx") return fromSemiAxes(p, q, s, t, true);
    if (key == "pyy") return fromSemiAxes(p, q, s, t, false);
    if (key == "general") return fromGeneral(p, q, s, t, f);
    return std::nullopt;
}

}  // namespace

std::optional<EllipseShape> ellipseFromInputs(const std::string& key, double p, double q, double s, double t,
                                              double f) {
    auto e = fromKey(key, p, q, s, t, f);
    // Overflowing numbers, or semi-axes too close to tell apart, would put infinity
    // where the foci and directrices go.
    if (e && !(std::isfinite(e->cx) && std::isfinite(e->cy) && std::isfinite(e->a2) && e->a2 > e->b2))
        return std::nullopt;
    return e;
}

}  // namespace graph
