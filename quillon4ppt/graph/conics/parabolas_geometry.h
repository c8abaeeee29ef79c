#pragma once
// An axis-parallel parabola: the nine equation forms and the one canonical shape
// every item is kept in.
#include <optional>
#include <string>
#include <utility>

#include "quillon4ppt/graph/coordinate_frame.h"

namespace graph {

enum class ParabolaForm { Px, NPx, Py, NPy, Px0, NPx0, Py0, NPy0, Ax2 };
enum class Opening { X, NegX, Y, NegY };

// The form named by the equation-form key, matched in lower case.
std::optional<ParabolaForm> parabolaFormOf(const std::string& key);
const char* parabolaKey(ParabolaForm form);
bool isStandardParabola(ParabolaForm form);
// The opening a form draws; the general quadratic opens up or down with its a.
Opening formOpening(ParabolaForm form);
bool opensSideways(Opening opening);

const char* openingText(Opening opening);  // "x", "-x", "y", "-y"
Opening openingOfText(const std::string& text);
// The translated form a stored item of this opening is drawn again with.
ParabolaForm translatedForm(Opening opening);

// The three boxes: 2p, x0 and y0, or a, b and c of the general quadratic.
struct ParabolaInput {
    double s = 0, x0 = 0, y0 = 0;
};

// (y - y0)² = ±s(x - x0) sideways, (x - x0)² = ±s(y - y0) up and down.
struct Parabola {
    double s = 0, x0 = 0, y0 = 0;
    Opening opening = Opening::X;

    bool sideways() const { return opensSideways(opening); }
    // x at height t sideways, y at abscissa t otherwise.
    double at(double t) const;
    std::pair<double, double> focus() const;
    // x of the directrix sideways, y otherwise.
    double directrix() const;
};

// The standard forms ignore the vertex boxes; the general quadratic needs a ≠ 0.
Parabola canonicalParabola(ParabolaForm form, const ParabolaInput& in);

// A range the draw action refuses, or a parameter that gives no curve.
bool rejectsParabola(ParabolaForm form, const ParabolaInput& in, double xFrom, double xTo);

// The lowest and highest value the out-of-frame question checks.
std::pair<double, double> parabolaHeight(ParabolaForm form, const ParabolaInput& in, double xFrom,
                                         double xTo);

// The boxes the proposal writes; a form fills one or both.
struct ProposedRange {
    std::optional<double> from, to;
};

// Nothing when the form has no proposal for these boxes. `vertexGiven` tells that
// both vertex boxes (b and c in the general form) hold text.
std::optional<ProposedRange> proposeParabolaRange(ParabolaForm form, const ParabolaInput& in,
                                                  bool vertexGiven, const CoordinateFrame& frame);

}  // namespace graph
