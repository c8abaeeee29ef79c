#include "quillon4ppt/graph/curves/emit_curve.h"

#include "platform/office/ignore_failure.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_slide.h"
#include "quillon4ppt/graph/shape_styles.h"

namespace graph {
namespace {

// The values along the piece, each failure keeping the one before it.
class PieceValues {
public:
    explicit PieceValues(const CurveFunction& f) : f_(f) {}

    double at(double v, bool rounded) {
        if (const std::optional<double> y = CurveValue(f_, v)) {
            last_ = rounded ? roundTwoDecimals(*y) : *y;
            if (!first_) first_ = last_;
        } else if (!last_) {
            ++leading_;
            return 0;
        }
        return *last_;
    }
    std::optional<double> first() const { return first_; }
    std::size_t leadingFailures() const { return leading_; }

private:
    const CurveFunction& f_;
    std::optional<double> first_, last_;
    std::size_t leading_ = 0;
};

office::PointF SlidePoint(const SlideContext& s, double v, double value, CurveAxis axis) {
    const double x = axis == CurveAxis::Horizontal ? v : value, y = axis == CurveAxis::Horizontal ? value : v;
    return {static_cast<float>(s.X(x)), static_cast<float>(s.Y(y))};
}

}  // namespace

bool EmitCurve(SlideContext& slide, const CurveFunction& f, double xFrom, double xTo,
               const std::string& label, const LineLook& look, CurveAxis axis, CurveEnd end) {
    PieceValues values(f);
    std::size_t sampled = 0;
    std::vector<office::PointF> rows = bezierRows(
        xFrom, xTo, [&](double v, bool rounded) { return SlidePoint(slide, v, values.at(v, rounded), axis); },
        &sampled);
    const bool tooShort = sampled < 3 && rows.size() - sampled > 2;
    if (tooShort || !values.first()) return false;
    if (end == CurveEnd::Exact && sampled == rows.size()) {
        const double last = roundTwoDecimals(xTo);
        rows.back() = SlidePoint(slide, last, values.at(last, true), axis);
    }
    const office::PointF first = SlidePoint(slide, 0, *values.first(), axis);
    for (std::size_t i = 0; i < values.leadingFailures(); ++i) {
        if (axis == CurveAxis::Horizontal)
            rows[i].y = first.y;
        else
            rows[i].x = first.x;
    }
    office::ShapePtr shape;
    if (!office::ignoreFailure(
            [&] { shape = slide.addNamed(label, [&] { return slide.host.addCurve(rows); }); }))
        return false;
    const ShapeStyle style = look.shapeStyle();
    office::ignoreFailure([&] { styleOutline(*shape, style); });
    return true;
}

}  // namespace graph
