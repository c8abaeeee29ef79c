#pragma once
// LibreOffice's formula objects: an embedded Math object on the slide, its formula
// read from MathML by LibreOffice's own MathML import.
#include <com/sun/star/drawing/XShape.hpp>
#include <string>

#include "platform/office/impress/link.h"

namespace office::impress {

// Makes the OLE shape, already on its slide, a formula object of the MathML. HostError
// when LibreOffice has no Math module or cannot read the MathML.
void makeFormulaObject(const Link& link, const Reference<css::drawing::XShape>& shape,
                       const std::string& mathml);

// Whether the shape is a formula object.
bool isFormulaObject(const Reference<css::drawing::XShape>& shape);

}  // namespace office::impress
