#pragma once
// An axis-parallel hyperbola: its five equation forms and what they give.
#include <optional>
#include <string>

#include "quillon4ppt/graph/coordinate_frame.h"

namespace graph {

enum class HyperbolaForm { Bx, By, PYx, PYy, General };

// The form named by the equation-form key, matched in lower case.
std::optional<HyperbolaForm> hyperbolaFormOf(const std::string& key);
const char* hyperbolaKey(HyperbolaForm form);
bool isStandardHyperbola(HyperbolaForm form);

// The five boxes: a², b², x0, y0 (A, B, D, E in the general form) and F.
struct HyperbolaInput {
    double p = 0, q = 0, s = 0, t = 0, f = 0;
};

struct Hyperbola {
    double cx = 0, cy = 0;
    double a2 = 0, b2 = 0;   // squared semi-axes, a2 along the transverse axis
    bool horizontal = true;  // transverse axis along x

    double a() const;
    double b() const;
    double c() const;      // focal distance
    double slope() const;  // of the asymptotes
    // Distance of a branch from the centre along the transverse axis, at u across it.
    double branch(double u) const;
    // How far the curve reaches above the centre at abscissa x; nothing between the
    // vertices of a hyperbola opening sideways.
    std::optional<double> rise(double x) const;
};

// Nothing for a general equation that is no hyperbola (A·B ≥ 0, or two crossing
// lines when K = 0). The standard and translated forms take p and q as they are.
std::optional<Hyperbola> deriveHyperbola(HyperbolaForm form, const HyperbolaInput& in);

struct XRange {
    double from = 0, to = 0;
};

// The x range symmetric about the centre whose branch ends fit the frame's height,
// searched from the frame edge nearer the centre in whole units. When none fits
// before the centre, the widest range the search tried.
XRange proposeHyperbolaRange(const Hyperbola& h, const CoordinateFrame& frame);

}  // namespace graph
