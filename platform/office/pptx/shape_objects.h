#pragma once
// Shape, range and text handles of the object model over a deck's slide XML.
#include <vector>

#include "platform/office/host.h"
#include "platform/office/pptx/session.h"

namespace office::pptx {

ShapePtr shapeHandle(SessionPtr session, ShapeRefPtr ref);
ShapeRangePtr rangeHandle(SessionPtr session, std::vector<ShapeRefPtr> refs);

}  // namespace office::pptx
