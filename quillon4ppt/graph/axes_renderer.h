#pragma once
#include "quillon4ppt/graph/coordinate_frame.h"
#include "quillon4ppt/graph/slide_context.h"

namespace graph {

// The coordinate system on the slide: axes with arrowheads, letters, the origin and,
// when wanted, ticks and numbers. The slide frame must be computed first.
void RenderAxes(SlideContext& slide, const AxesItem& item);

}  // namespace graph
