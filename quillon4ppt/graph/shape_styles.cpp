#include "quillon4ppt/graph/shape_styles.h"

#include "quillon4ppt/graph/coordinate_frame.h"
#include "quillon4ppt/graph/line_look.h"

namespace graph {

ShapeStyle LineLook::shapeStyle() const {
    return {color, StyleToDash(style), static_cast<float>(weight)};
}

void styleLine(office::Shape& shape, const ShapeStyle& style) {
    shape.line().setForeColor(style.color);
    shape.line().setDashStyle(style.dash);
    shape.line().setWeight(style.weight);
}

void styleFilled(office::Shape& shape, const ShapeStyle& style) {
    styleLine(shape, style);
    shape.fill().setForeColor(style.color);
    shape.fill().setVisible(true);
    shape.line().setVisible(true);
}

void styleOutline(office::Shape& shape, const ShapeStyle& style) {
    styleLine(shape, style);
    shape.fill().setVisible(false);
    shape.line().setVisible(true);
}

void styleAxisLine(office::Shape& shape, const ShapeStyle& style) {
    styleLine(shape, {style.color, office::dash::Dash, style.weight});
}

}  // namespace graph
