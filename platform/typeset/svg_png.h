#pragma once
// Rasterising an SVG picture with librsvg.
#include <string>

namespace typeset {

// The picture as PNG, `pixelsPerPoint` pixels to a point of its size (width and height
// in points), on a transparent ground. Throws std::runtime_error when it cannot be drawn.
std::string pngFromSvg(const std::string& svg, double width, double height, double pixelsPerPoint);

}  // namespace typeset
