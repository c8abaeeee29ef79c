#pragma once
// The line every plotted item keeps: the style index of Combo2, the weight in points
// of Combo1 and the colour of labColor.
#include <cstdint>

#include "common/color.h"
#include "quillon4ppt/graph/shape_styles.h"

namespace graph {

struct LineLook {
    std::int16_t style = 0, weight = 0;
    common::Rgb color = 0;

    // The look of the item's shapes on the slide.
    ShapeStyle shapeStyle() const;
};

}  // namespace graph
