#include "platform/office/impress/uno_values.h"

#include <algorithm>
#include <cmath>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <cstdlib>
#include <limits>
#include <string>

#include "common/numbers.h"

namespace office::impress {

namespace {

constexpr double kHmmPerPoint = 2540.0 / 72.0;

struct DashPattern {
    int style;
    sal_Int16 dots;
    sal_Int32 dotLen;
    sal_Int16 dashes;
    sal_Int32 dashLen;
    sal_Int32 distance;
};

// The dashes LibreOffice makes of the DrawingML presets, in hundredths of the line
// width; it writes them back as those presets.
constexpr DashPattern kDashes[] = {
    {dash::SquareDot, 1, 100, 0, 0, 100},    {dash::RoundDot, 1, 100, 0, 0, 100},
    {dash::Dash, 1, 400, 0, 0, 300},         {dash::DashDot, 1, 400, 1, 100, 300},
    {dash::DashDotDot, 1, 800, 2, 100, 300}, {dash::LongDash, 1, 800, 0, 0, 300},
    {dash::LongDashDot, 1, 800, 1, 100, 300}};

}  // namespace

// Only the deprecated descriptor gives it in one call.
rtl::OUString unoShapeType(const Reference<css::drawing::XShape>& shape) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return shape->getShapeType();
#pragma GCC diagnostic pop
}

sal_Int32 hmm(double pts) {
    return static_cast<sal_Int32>(std::lround(pts * kHmmPerPoint));
}

void checkReach(const std::vector<PointF>& pts) {
    double minX = HUGE_VAL, minY = HUGE_VAL, maxX = -HUGE_VAL, maxY = -HUGE_VAL;
    for (const PointF& p : pts) {
        minX = std::fmin(minX, p.x), maxX = std::fmax(maxX, p.x);
        minY = std::fmin(minY, p.y), maxY = std::fmax(maxY, p.y);
    }
    for (double v : {minX, maxX, minY, maxY, maxX - minX, maxY - minY})
        if (!(std::fabs(std::round(v * kHmmPerPoint)) <= std::numeric_limits<sal_Int32>::max()))
            throw HostError("The position " + common::PlainNumberText(v) +
                            " is outside the range a slide can hold.");
}

float points(sal_Int32 value) {
    return static_cast<float>(value / kHmmPerPoint);
}

sal_Int32 unoColor(common::Rgb color) {
    return static_cast<sal_Int32>((common::redOf(color) << 16) | (common::greenOf(color) << 8) |
                                  common::blueOf(color));
}

common::Rgb rgbOf(sal_Int32 value) {
    const auto v = static_cast<std::uint32_t>(value);
    return common::rgb((v >> 16) & 0xFF, (v >> 8) & 0xFF, v & 0xFF);
}

int typeOf(const Reference<css::drawing::XShape>& shape) {
    const rtl::OUString type = unoShapeType(shape);
    if (type == "com.sun.star.drawing.LineShape" || type == "com.sun.star.drawing.ConnectorShape")
        return shapetype::Line;
    if (type == "com.sun.star.drawing.GroupShape") return shapetype::Group;
    if (type == "com.sun.star.drawing.TextShape") return shapetype::TextBox;
    if (type == "com.sun.star.drawing.GraphicObjectShape") return shapetype::Picture;
    if (type == "com.sun.star.drawing.OLE2Shape") return shapetype::Embedded;
    if (type.startsWith("com.sun.star.presentation.")) return shapetype::Placeholder;
    if (type.endsWith("BezierShape") || type.endsWith("PolyLineShape") || type.endsWith("PolyPolygonShape"))
        return shapetype::Freeform;
    return shapetype::AutoShape;
}

css::drawing::LineDash lineDashOf(int style) {
    css::drawing::LineDash d;
    d.Style = css::drawing::DashStyle_RECTRELATIVE;
    for (const auto& p : kDashes)
        if (p.style == style) {
            d.Style = style == dash::RoundDot ? css::drawing::DashStyle_ROUNDRELATIVE
                                              : css::drawing::DashStyle_RECTRELATIVE;
            d.Dots = p.dots;
            d.DotLen = p.dotLen;
            d.Dashes = p.dashes;
            d.DashLen = p.dashLen;
            d.Distance = p.distance;
        }
    return d;
}

int dashStyleOf(const css::drawing::LineDash& d) {
    if (d.Dots == 0 && d.Dashes == 0) return dash::Solid;
    for (const auto& p : kDashes)
        if (d.Dots == p.dots && d.DotLen == p.dotLen && d.Dashes == p.dashes && d.DashLen == p.dashLen &&
            d.Distance == p.distance &&
            (p.style != dash::SquareDot || d.Style != css::drawing::DashStyle_ROUNDRELATIVE))
            return p.style;
    return dash::Dash;
}

Reference<css::beans::XPropertySet> propertiesOf(const Reference<css::uno::XInterface>& object) {
    return Reference<css::beans::XPropertySet>(object, css::uno::UNO_QUERY_THROW);
}

std::vector<Reference<css::drawing::XShape>> membersOf(const Reference<css::drawing::XShape>& shape) {
    std::vector<Reference<css::drawing::XShape>> out;
    if (unoShapeType(shape) != "com.sun.star.drawing.GroupShape") return out;
    Reference<css::container::XIndexAccess> members(shape, css::uno::UNO_QUERY_THROW);
    for (sal_Int32 i = 0; i < members->getCount(); ++i)
        out.emplace_back(members->getByIndex(i), css::uno::UNO_QUERY_THROW);
    return out;
}

}  // namespace office::impress
