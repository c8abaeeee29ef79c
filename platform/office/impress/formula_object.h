#pragma once
// LibreOffice's formula objects: an embedded Math object on the slide, its formula
// read from the equation's Office Math by LibreOffice's own import.
#include <com/sun/star/drawing/XShape.hpp>
#include <string>

#include "platform/office/host.h"
#include "platform/office/impress/link.h"

namespace office::impress {

// Makes the OLE shape, already on its slide, a formula object of the equation. HostError
// when LibreOffice has no Math module or cannot read the equation.
void makeFormulaObject(const Link& link, const Reference<css::drawing::XShape>& shape,
                       const PictureData& picture);

// Whether the shape is a formula object.
bool isFormulaObject(const Reference<css::drawing::XShape>& shape);

}  // namespace office::impress
