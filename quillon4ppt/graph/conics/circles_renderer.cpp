// A circle on the slide: one oval, and its centre as a dot when it was asked for.
#include <cmath>

#include "quillon4ppt/graph/conics/circles_family.h"
#include "quillon4ppt/graph/shape_styles.h"

namespace graph {

void RenderCircle(SlideContext& s, const CircleRecord& c) {
    const ShapeStyle style = c.look.shapeStyle();
    const double ox = s.frame.originX, oy = s.frame.originY, u = s.frame.unitLength, r = std::sqrt(c.r2);
    styleOutline(*s.addOval("圆", (c.cx - r) * u + ox, oy - (r + c.cy) * u, 2 * r * u, 2 * r * u), style);
    if (c.centre) styleFilled(*s.addDot("圆心", s.X(c.cx), s.Y(c.cy)), style);
}

}  // namespace graph
