#pragma once
// Shape and range handles of the object model over a slide's UNO shapes.
#include <vector>

#include "platform/office/host.h"
#include "platform/office/impress/session.h"

namespace office::impress {

using UnoShape = Reference<css::drawing::XShape>;

ShapePtr shapeHandle(SessionPtr session, UnoShape shape);
ShapeRangePtr rangeHandle(SessionPtr session, std::vector<UnoShape> shapes);
// Makes the shapes the window's selection, or adds them to it.
void selectShapes(Session& session, const std::vector<UnoShape>& shapes, bool replace);
// The shapes selected in the window, in the order the window keeps them.
std::vector<UnoShape> selectedShapes(Session& session);

}  // namespace office::impress
