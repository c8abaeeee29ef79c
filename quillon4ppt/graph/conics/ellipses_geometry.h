#pragma once
// The axis-parallel ellipse one of the five equation forms describes.
#include <optional>
#include <string>

namespace graph {

struct EllipseShape {
    double cx = 0, cy = 0;
    double a2 = 0, b2 = 0;   // squares of the major and the minor semi-axis
    bool horizontal = true;  // major axis parallel to the x axis

    double a() const;
    double b() const;
    double c() const;          // focal distance
    double directrix() const;  // distance of the directrices from the centre
};

// The boxes in order (a², b², x0, y0, F or A, B, D, E, F) under the lower-cased form
// key. Nothing for an input that is no ellipse, or whose numbers overflow.
std::optional<EllipseShape> ellipseFromInputs(const std::string& key, double p, double q, double s, double t,
                                              double f);

// The standard forms, centred on the origin.
bool isStandardForm(const std::string& key);

}  // namespace graph
