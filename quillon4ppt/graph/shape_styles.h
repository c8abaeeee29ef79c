#pragma once
// How the renderers of lines and conics style their shapes.
#include "common/color.h"
#include "platform/office/host.h"

namespace graph {

struct ShapeStyle {
    common::Rgb color = 0;
    int dash = 0;  // the host's dash style
    float weight = 0;
};

// Colour, dash style and weight of the shape's line: directrices and axes.
void styleLine(office::Shape& shape, const ShapeStyle& style);
// Line in the item's style, filled in its colour: lines, centres, foci.
void styleFilled(office::Shape& shape, const ShapeStyle& style);
// Line in the item's style, no fill: circles, ellipses and curves.
void styleOutline(office::Shape& shape, const ShapeStyle& style);
// Axes of symmetry are dashed whatever the item's own style.
void styleAxisLine(office::Shape& shape, const ShapeStyle& style);

}  // namespace graph
