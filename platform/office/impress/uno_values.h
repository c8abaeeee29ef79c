#pragma once
// The object model's values in UNO's terms: points and 1/100 mm, colours, shape types,
// dash styles as LibreOffice reads and writes them in DrawingML.
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/drawing/LineDash.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <vector>

#include "common/color.h"
#include "platform/office/host.h"
#include "platform/office/impress/link.h"

namespace office::impress {

sal_Int32 hmm(double points);
// Impress keeps positions and sizes in whole hundredths of a millimetre, in 32 bits:
// farther ones would wrap round, so a shape that needs them is refused before it is
// made, as on a deck file.
void checkReach(const std::vector<PointF>& points);
float points(sal_Int32 hmm);
sal_Int32 unoColor(common::Rgb color);
common::Rgb rgbOf(sal_Int32 unoColor);

// MsoShapeType of the shape.
int typeOf(const Reference<css::drawing::XShape>& shape);
// The service name of the shape's kind.
rtl::OUString unoShapeType(const Reference<css::drawing::XShape>& shape);

// MsoLineDashStyle and the dash LibreOffice makes of the DrawingML preset.
css::drawing::LineDash lineDashOf(int dashStyle);
int dashStyleOf(const css::drawing::LineDash& dash);

Reference<css::beans::XPropertySet> propertiesOf(const Reference<css::uno::XInterface>& object);
template <typename T>
T property(const Reference<css::beans::XPropertySet>& set, const char* name) {
    T value{};
    set->getPropertyValue(rtl::OUString::createFromAscii(name)) >>= value;
    return value;
}
template <typename T>
void setProperty(const Reference<css::beans::XPropertySet>& set, const char* name, const T& value) {
    set->setPropertyValue(rtl::OUString::createFromAscii(name), css::uno::Any(value));
}

// A group's members, back to front; none for a shape that is no group.
std::vector<Reference<css::drawing::XShape>> membersOf(const Reference<css::drawing::XShape>& shape);
}  // namespace office::impress
