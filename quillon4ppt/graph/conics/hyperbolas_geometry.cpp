#include "quillon4ppt/graph/conics/hyperbolas_geometry.h"

#include <cmath>

#include "common/text.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"

namespace graph {
namespace {

struct FormName {
    HyperbolaForm form;
    const char* key;
};
constexpr FormName kForms[] = {{HyperbolaForm::Bx, "Bx"},
                               {HyperbolaForm::By, "By"},
                               {HyperbolaForm::PYx, "PYx"},
                               {HyperbolaForm::PYy, "PYy"},
                               {HyperbolaForm::General, "General"}};

double square(double v) {
    return v * v;
}

}  // namespace

std::optional<HyperbolaForm> hyperbolaFormOf(const std::string& key) {
    const std::string wanted = common::lowerAscii(key);
    for (const auto& f : kForms)
        if (common::lowerAscii(f.key) == wanted) return f.form;
    return std::nullopt;
}

const char* hyperbolaKey(HyperbolaForm form) {
    for (const auto& f : kForms)
        if (f.form == form) return f.key;
    return "";
}

bool isStandardHyperbola(HyperbolaForm form) {
    return form == HyperbolaForm::Bx || form == HyperbolaForm::By;
}

double Hyperbola::a() const {
    return std::sqrt(a2);
}
double Hyperbola::b() const {
    return std::sqrt(b2);
}
double Hyperbola::c() const {
    return std::sqrt(a2 + b2);
}
double Hyperbola::slope() const {
    return horizontal ? b() / a() : a() / b();
}

double Hyperbola::branch(double u) const {
    return a() * std::sqrt(1 + square(u - (horizontal ? cy : cx)) / b2);
}

std::optional<double> Hyperbola::rise(double x) const {
    if (!horizontal) return a() * std::sqrt(1 + square(x - cx) / b2);
    const double r = b2 * (square(x - cx) / a2 - 1);
    if (r < 0) return std::nullopt;
    return std::sqrt(r);
}

std::optional<Hyperbola> deriveHyperbola(HyperbolaForm form, const HyperbolaInput& in) {
    switch (form) {
        case HyperbolaForm::Bx:
        case HyperbolaForm::By:
            return Hyperbola{0, 0, in.p, in.q, form == HyperbolaForm::Bx};
        case HyperbolaForm::PYx:
        case HyperbolaForm::PYy:
            return Hyperbola{in.s, in.t, in.p, in.q, form == HyperbolaForm::PYx};
        case HyperbolaForm::General:
            break;
    }
    const double A = in.p, B = in.q, D = in.s, E = in.t, F = in.f;
    if (A * B >= 0) return std::nullopt;
    const double K = D * D / (4 * A) + E * E / (4 * B) - F;
    if (K == 0) return std::nullopt;
    Hyperbola h{-D / (2 * A), -E / (2 * B), 0, 0, K / A > 0};
    h.a2 = h.horizontal ? K / A : K / B;
    h.b2 = h.horizontal ? std::fabs(K / B) : -K / A;
    return h;
}

XRange proposeHyperbolaRange(const Hyperbola& h, const CoordinateFrame& frame) {
    const bool fromLeft = h.cx < (frame.xMin + frame.xMax) / 2.0;
    const bool lowEdge = h.cy < (frame.yMin + frame.yMax) / 2.0;
    auto fits = [&](double x) {
        std::optional<double> r = h.rise(x);
        if (!r) return false;
        return lowEdge ? h.cy - *r >= frame.yMin : h.cy + *r <= frame.yMax;
    };
    const double start = fromLeft ? frame.xMin : frame.xMax;
    const double x = searchRange(start, fromLeft ? 1 : -1, h.cx, frame, fits);
    const double mirror = 2 * h.cx - x;
    return fromLeft ? XRange{x, mirror} : XRange{mirror, x};
}

}  // namespace graph
