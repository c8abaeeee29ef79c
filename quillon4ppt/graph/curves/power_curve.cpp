// The power curves: their values, the ranges they can be drawn over, and the
// suggested range.
#include <cmath>
#include <limits>

#include "common/text.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curve_checks.h"
#include "quillon4ppt/graph/curves/power.h"

namespace graph {
namespace {
constexpr double kSuggestionStep = 0.1;
}  // namespace

std::optional<PowerCurve> PowerCurve::make(PowerForm form, int n, int m) {
    if (form == kPowerXn) return PowerCurve(form, n, 1);
    if (m == 0) return std::nullopt;
    const int g = CommonDivisor(n, m);
    return PowerCurve(form, n / g, m / g);
}

double PowerCurve::operator()(double x) const {
    if (form_ == kPowerXn) return std::pow(x, np_);
    if (x >= 0) return std::pow(x, e_);
    if (!oddRoot()) return std::numeric_limits<double>::quiet_NaN();
    const double v = std::pow(-x, e_);
    return evenFunction() ? v : -v;
}

std::optional<PowerPlan> PlanPower(const PowerCurve& curve, double xFrom, double xTo) {
    if (!Sizable(xFrom, xTo)) return std::nullopt;
    const bool holdsZero = xFrom <= 0 && xTo >= 0;
    // 0 raised to a negative power has no value.
    if (curve.exponent() < 0 && holdsZero) return std::nullopt;
    if (xFrom < 0 && !curve.bothSides()) return std::nullopt;
    const RealFunction f = curve;
    const auto span = holdsZero ? ValueSpan({f(xFrom), f(0), f(xTo)}) : ValueSpan({f(xFrom), f(xTo)});
    if (!span) return std::nullopt;
    PowerPlan plan{span->first, span->second, {}};
    // The root form meets the origin from both sides in two shapes.
    if (curve.form() == kPowerXmn && xFrom < 0 && xTo > 0)
        plan.pieces = {{f, xFrom, 0, true}, {f, 0, xTo}};
    else
        plan.pieces = {{f, xFrom, xTo}};
    return plan;
}

XRange SuggestPowerRange(const PowerCurve& f, const CoordinateFrame& frame) {
    const double lo = frame.xMin, hi = frame.xMax;
    const XRange whole{lo, hi};
    if (lo > 0 || hi < 0) return whole;
    auto tooHigh = [&](double x) { return f(x) > frame.yMax; };
    // Down from the right edge while the curve is above the frame: -to..to.
    auto fromRight = [&]() -> std::optional<XRange> {
        const auto to = StepWhile(hi, -kSuggestionStep, 0, hi, tooHigh);
        if (!to) return std::nullopt;
        return XRange{-*to, *to};
    };
    std::optional<XRange> range;
    if (f.exponent() < 0) {
        // A curve with a pole at 0 gets the right branch from where it enters the frame.
        const auto from = StepWhile(kSuggestionStep, kSuggestionStep, 0, hi, tooHigh);
        if (from) range = XRange{*from, hi};
    } else if (f.form() == kPowerXmn && !f.evenFunction() && !f.oddRoot()) {
        if (auto r = fromRight()) range = XRange{0, r->to};
    } else if (f.form() == kPowerXmn && !f.evenFunction() && std::fabs(frame.yMin) < frame.yMax) {
        const auto t = StepWhile(std::fabs(lo), -kSuggestionStep, 0, std::fabs(lo),
                                 [&](double t) { return f(-t) < frame.yMin; });
        if (t) range = XRange{-*t, *t};
    } else if ((f.form() == kPowerXn || f.evenFunction()) && std::fabs(lo) < hi) {
        std::optional<double> from = lo;
        if (f.evenFunction()) from = StepWhile(lo, kSuggestionStep, lo, 0, tooHigh);
        if (from) range = XRange{*from, -*from};
    } else {
        range = fromRight();
    }
    return range.value_or(whole);
}

std::optional<std::int16_t> WholeInt16(double value) {
    if (value != std::trunc(value) || value < -32768 || value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<PowerForm> PowerFormOf(const std::string& key) {
    const std::string k = common::lowerAscii(key);
    if (k == "xn") return kPowerXn;
    if (k == "xmn") return kPowerXmn;
    return std::nullopt;
}

}  // namespace graph
