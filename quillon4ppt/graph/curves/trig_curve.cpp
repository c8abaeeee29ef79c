// The eight trigonometric curves as functions of x.
#include <array>
#include <cmath>

#include "quillon4ppt/graph/curves/trig.h"

namespace graph {
namespace {

std::optional<double> finite(double v) {
    if (!std::isfinite(v)) return std::nullopt;
    return v;
}

// arcsin and arccos through arctan fail at ±1 itself; there their ends are exact.
std::optional<double> arcsine(double x) {
    if (x == -1) return -kHalfPi;
    if (x == 1) return kHalfPi;
    return finite(std::atan(x / std::sqrt(1 - x * x)));
}

std::optional<double> arccosine(double x) {
    if (x == -1) return kPi;
    if (x == 1) return 0.0;
    return finite(std::atan(-x / std::sqrt(1 - x * x)) + 2 * std::atan(1.0));
}

}  // namespace

CurveFunction TrigCurve(const TrigRecord& r) {
    const double A = r.A, w = r.omega, phi = r.phi, k = r.k;
    switch (r.type) {
        case kSine:
            return [=](double x) { return finite(A * std::sin(w * x + phi) + k); };
        case kCosine:
            return [=](double x) { return finite(A * std::cos(w * x + phi) + k); };
        case kTangent:
            return [=](double x) { return finite(A * std::tan(w * x + phi) + k); };
        case kCotangent:
            return [=](double x) { return finite(k + 1 / (A * std::tan(w * x + phi))); };
        case kArcsine:
            return arcsine;
        case kArccosine:
            return arccosine;
        case kArctangent:
            return [](double x) { return finite(std::atan(x)); };
        default:
            return [](double x) { return finite(kHalfPi - std::atan(x)); };
    }
}

const char* TrigLabel(int type) {
    static constexpr std::array<const char*, 8> labels = {"正弦函数",   "余弦函数",   "正切函数",
                                                          "余切函数",   "反正弦函数", "反余弦函数",
                                                          "反正切函数", "反余切函数"};
    return labels.at(type);
}

}  // namespace graph
