#include "quillon4ppt/graph/conics/parabolas_geometry.h"

#include <algorithm>
#include <cmath>

#include "common/text.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"

namespace graph {
namespace {

struct FormName {
    ParabolaForm form;
    const char* key;
    Opening opening;
};
constexpr FormName kForms[] = {
    {ParabolaForm::Px, "2px", Opening::X},   {ParabolaForm::NPx, "-2px", Opening::NegX},
    {ParabolaForm::Py, "2py", Opening::Y},   {ParabolaForm::NPy, "-2py", Opening::NegY},
    {ParabolaForm::Px0, "2px0", Opening::X}, {ParabolaForm::NPx0, "-2px0", Opening::NegX},
    {ParabolaForm::Py0, "2py0", Opening::Y}, {ParabolaForm::NPy0, "-2py0", Opening::NegY},
    {ParabolaForm::Ax2, "ax2", Opening::Y}};

const FormName& nameOf(ParabolaForm form) {
    for (const auto& f : kForms)
        if (f.form == form) return f;
    return kForms[0];
}

double square(double v) {
    return v * v;
}

double quadratic(const ParabolaInput& in, double x) {
    return in.s * x * x + in.x0 * x + in.y0;
}

// The general quadratic's height over the range, from the side of the vertex the
// range lies on.
std::pair<double, double> quadraticHeight(const ParabolaInput& in, double xFrom, double xTo) {
    const double a = in.s, xv = -in.x0 / (2 * a), yv = (4 * a * in.y0 - in.x0 * in.x0) / (4 * a);
    const double fFrom = quadratic(in, xFrom), fTo = quadratic(in, xTo);
    if (a > 0) {
        if (xTo <= xv) return {fTo, fFrom};
        if (xFrom < xv) return {yv, std::max(fFrom, fTo)};
        return {fFrom, fTo};
    }
    if (xTo <= xv) return {fFrom, fTo};
    if (xFrom < xv) return {std::min(fFrom, fTo), yv};
    return {fTo, fFrom};
}

// Sideways: from the vertex toward the far frame edge, until the curve's height
// fits the frame edge nearer the vertex.
ProposedRange proposeSideways(ParabolaForm form, const Parabola& p, const CoordinateFrame& f) {
    const bool right = p.opening == Opening::X;
    const bool lowEdge = f.yMax - p.y0 > p.y0 - f.yMin;
    auto fits = [&](double x) {
        const double h = std::sqrt((right ? p.s : -p.s) * (x - p.x0));
        return lowEdge ? p.y0 - h >= f.yMin : p.y0 + h <= f.yMax;
    };
    const double x = searchRange(right ? f.xMax : f.xMin, right ? -1 : 1, p.x0, f, fits);
    // The standard forms leave the vertex end as the option wrote it.
    const std::optional<double> vertexEnd =
        isStandardParabola(form) ? std::nullopt : std::optional<double>(p.x0);
    return right ? ProposedRange{vertexEnd, x} : ProposedRange{x, vertexEnd};
}

// Up and down: from the frame edge nearer the axis, symmetric about it.
ProposedRange proposeUpright(ParabolaForm form, const ParabolaInput& in, const Parabola& p,
                             const CoordinateFrame& f) {
    const bool fromLeft = f.xMax - p.x0 > p.x0 - f.xMin;
    auto fits = [&](double x) {
        if (form == ParabolaForm::Ax2) return quadratic(in, x) <= f.yMax;
        return p.opening == Opening::Y ? p.at(x) <= f.yMax : p.at(x) >= f.yMin;
    };
    const double x = searchRange(fromLeft ? f.xMin : f.xMax, fromLeft ? 1 : -1, p.x0, f, fits);
    const double mirror = form == ParabolaForm::Ax2 ? -in.x0 / in.s - x : 2 * p.x0 - x;
    return fromLeft ? ProposedRange{x, mirror} : ProposedRange{mirror, x};
}

}  // namespace

std::optional<ParabolaForm> parabolaFormOf(const std::string& key) {
    const std::string wanted = common::lowerAscii(key);
    for (const auto& f : kForms)
        if (wanted == f.key) return f.form;
    return std::nullopt;
}

const char* parabolaKey(ParabolaForm form) {
    return nameOf(form).key;
}

bool isStandardParabola(ParabolaForm form) {
    return form == ParabolaForm::Px || form == ParabolaForm::NPx || form == ParabolaForm::Py ||
           form == ParabolaForm::NPy;
}

Opening formOpening(ParabolaForm form) {
    return nameOf(form).opening;
}

bool opensSideways(Opening opening) {
    return opening == Opening::X || opening == Opening::NegX;
}

const char* openingText(Opening opening) {
    switch (opening) {
        case Opening::X:
            return "x";
        case Opening::NegX:
            return "-x";
        case Opening::Y:
            return "y";
        case Opening::NegY:
            break;
    }
    return "-y";
}

Opening openingOfText(const std::string& text) {
    for (Opening o : {Opening::X, Opening::NegX, Opening::Y})
        if (text == openingText(o)) return o;
    return Opening::NegY;
}

ParabolaForm translatedForm(Opening opening) {
    switch (opening) {
        case Opening::X:
            return ParabolaForm::Px0;
        case Opening::NegX:
            return ParabolaForm::NPx0;
        case Opening::Y:
            return ParabolaForm::Py0;
        case Opening::NegY:
            break;
    }
    return ParabolaForm::NPy0;
}

double Parabola::at(double t) const {
    switch (opening) {
        case Opening::X:
            return x0 + square(t - y0) / s;
        case Opening::NegX:
            return x0 - square(t - y0) / s;
        case Opening::Y:
            return y0 + square(t - x0) / s;
        case Opening::NegY:
            break;
    }
    return y0 - square(t - x0) / s;
}

std::pair<double, double> Parabola::focus() const {
    const double k = (opening == Opening::X || opening == Opening::Y ? s : -s) / 4;
    return sideways() ? std::pair{x0 + k, y0} : std::pair{x0, y0 + k};
}

double Parabola::directrix() const {
    const double k = (opening == Opening::X || opening == Opening::Y ? s : -s) / 4;
    return (sideways() ? x0 : y0) - k;
}

Parabola canonicalParabola(ParabolaForm form, const ParabolaInput& in) {
    if (form == ParabolaForm::Ax2) {
        const double a = in.s, b = in.x0, c = in.y0;
        return {1 / std::fabs(a), -b / (2 * a), (4 * a * c - b * b) / (4 * a),
                a > 0 ? Opening::Y : Opening::NegY};
    }
    if (isStandardParabola(form)) return {in.s, 0, 0, formOpening(form)};
    return {in.s, in.x0, in.y0, formOpening(form)};
}

bool rejectsParabola(ParabolaForm form, const ParabolaInput& in, double xFrom, double xTo) {
    if (in.s == 0 || xFrom >= xTo) return true;
    const Parabola p = canonicalParabola(form, in);
    // Sideways the curve's height is a square root of s times a distance.
    if (p.opening == Opening::X) return p.s < 0 || xFrom < p.x0;
    if (p.opening == Opening::NegX) return p.s < 0 || xTo > p.x0;
    return false;
}

std::pair<double, double> parabolaHeight(ParabolaForm form, const ParabolaInput& in, double xFrom,
                                         double xTo) {
    if (form == ParabolaForm::Ax2) return quadraticHeight(in, xFrom, xTo);
    const Parabola p = canonicalParabola(form, in);
    switch (p.opening) {
        case Opening::X:
        case Opening::NegX: {
            const double h =
                p.opening == Opening::X ? std::sqrt(p.s * (xTo - p.x0)) : std::sqrt(-p.s * (xFrom - p.x0));
            return {p.y0 - h, p.y0 + h};
        }
        case Opening::Y:
            return {p.y0, p.at(xTo)};
        case Opening::NegY:
            break;
    }
    return {p.at(xFrom), p.y0};
}

std::optional<ProposedRange> proposeParabolaRange(ParabolaForm form, const ParabolaInput& in,
                                                  bool vertexGiven, const CoordinateFrame& frame) {
    if (!isStandardParabola(form) && !vertexGiven) return std::nullopt;
    if (in.s == 0) return std::nullopt;
    const Parabola p = canonicalParabola(form, in);
    if (p.sideways()) {
        if (p.s < 0) return std::nullopt;
        return proposeSideways(form, p, frame);
    }
    return proposeUpright(form, in, p, frame);
}

}  // namespace graph
