#pragma once
// How the line, circle and ellipse renderers style their shapes.
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
// Line in the item's style, no fill: circles and ellipses.
void styleOutline(office::Shape& shape, const ShapeStyle& style);

}  // namespace graph
