#pragma once
// What a renderer needs to put an item on the slide: the host, the slide frame of
// this insertion, the shape names and the settings.
#include <functional>
#include <string>
#include <vector>

#include "platform/office/host.h"
#include "quillon4ppt/graph/coordinate_frame.h"
#include "quillon4ppt/graph/shape_names.h"
#include "settings/axis_settings.h"

namespace graph {

struct SlideContext {
    office::SlideHost& host;
    const CoordinateFrame& frame;
    InsertedShapeNames& names;
    const settings::AxisSettings& axis;

    // The shapes this insertion put on the slide, so that a failed one can take them
    // all away again, and how many of the counted shapes received their names.
    std::vector<office::ShapePtr> added = {};
    int named = 0;

    double X(double x) const { return frame.X(x); }
    double Y(double y) const { return frame.Y(y); }

    // Counts the shape, adds it, names it, and finds it again by its name.
    office::ShapePtr addNamed(const std::string& label, const std::function<office::ShapePtr()>& add);
    office::ShapePtr addLine(const std::string& label, double x1, double y1, double x2, double y2);
    // An autoshape of the object model's `type` (office::kShapeOval, kShapeRectangle).
    office::ShapePtr addAutoShape(const std::string& label, int type, double left, double top, double width,
                                  double height);
    office::ShapePtr addOval(const std::string& label, double left, double top, double width, double height);
    // A 2.4-point filled dot centred on the point (in slide points).
    office::ShapePtr addDot(const std::string& label, double x, double y);
    // A 30 x 30 text box with all four margins 0.
    office::ShapePtr addText(const std::string& label, double left, double top, const std::string& text);

    // Every shape counted so far stands on the slide under its name.
    bool allNamed() const { return named == names.counter(); }
    // The added shapes leave the slide, newest first; the group made of them takes
    // their place.
    void grouped(office::ShapePtr group);
    void removeAdded();
};

// A slide position in single precision; one past its range becomes infinite, which
// the host refuses, instead of undefined.
float toSingle(double points);

// Sets the shape's text with all four margins 0.
void setBareText(office::Shape& shape, const std::string& text);

void setFont(office::Font& font, const std::string& name, float size, bool bold, bool italic);

}  // namespace graph
