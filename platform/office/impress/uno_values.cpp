#include "platform/office/impress/uno_values.h"

#include <algorithm>
#include <cmath>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/drawing/PolyPolygonBezierCoords.hpp>
#include <cstdlib>
#include <string>

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

// Marker names as LibreOffice gives DrawingML arrowheads: the kind, then a number for
// width and length together.
struct MarkerKind {
    int style;
    const char* name;
    bool centred;
};
constexpr MarkerKind kMarkers[] = {{arrow::Triangle, "msArrowEnd", false},
                                   {arrow::Open, "msArrowOpenEnd", false},
                                   {arrow::Stealth, "msArrowStealthEnd", false},
                                   {arrow::Diamond, "msArrowDiamondEnd", true},
                                   {arrow::Oval, "msArrowOvalEnd", true}};

// MsoArrowheadLength or -Width 1..3 and the sizes LibreOffice gives them, in line widths.
double markerScale(int size) {
    return size <= arrow::Short ? 2.0 : size >= arrow::Long ? 5.0 : 3.0;
}

// The marker's outline in a box of 100 x 100 pointing up, as LibreOffice draws it,
// stretched to the arrowhead's width and length.
std::vector<std::pair<int, int>> outlinePoints(int style) {
    switch (style) {
        case arrow::Open:
            return {{50, 0}, {100, 100}, {80, 100}, {50, 40}, {20, 100}, {0, 100}, {50, 0}};
        case arrow::Stealth:
            return {{50, 0}, {100, 100}, {50, 60}, {0, 100}, {50, 0}};
        case arrow::Diamond:
            return {{50, 0}, {100, 50}, {50, 100}, {0, 50}, {50, 0}};
        case arrow::Oval: {
            std::vector<std::pair<int, int>> circle;
            for (int i = 0; i <= 24; ++i) {
                const double a = i * 3.14159265358979 / 12;
                circle.emplace_back(static_cast<int>(std::lround(50 + 50 * std::sin(a))),
                                    static_cast<int>(std::lround(50 - 50 * std::cos(a))));
            }
            return circle;
        }
        default:
            return {{50, 0}, {100, 100}, {0, 100}, {50, 0}};
    }
}

css::drawing::PolyPolygonBezierCoords markerOutline(int style, int width, int length) {
    const auto points = outlinePoints(style);
    const double across = markerScale(width), along = markerScale(length);
    css::drawing::PolyPolygonBezierCoords outline;
    outline.Coordinates.realloc(1);
    outline.Flags.realloc(1);
    auto& coords = outline.Coordinates.getArray()[0];
    auto& flags = outline.Flags.getArray()[0];
    coords.realloc(static_cast<sal_Int32>(points.size()));
    flags.realloc(static_cast<sal_Int32>(points.size()));
    for (std::size_t i = 0; i < points.size(); ++i) {
        coords.getArray()[i] = {static_cast<sal_Int32>(across * points[i].first),
                                static_cast<sal_Int32>(along * points[i].second)};
        flags.getArray()[i] = css::drawing::PolygonFlags_NORMAL;
    }
    return outline;
}

std::string markerProperty(bool begin, const char* suffix) {
    return std::string(begin ? "LineStart" : "LineEnd") + suffix;
}

// The service name of the shape's kind, which only the deprecated descriptor gives in
// one call.
rtl::OUString unoShapeType(const Reference<css::drawing::XShape>& shape) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return shape->getShapeType();
#pragma GCC diagnostic pop
}

}  // namespace

sal_Int32 hmm(double pts) {
    return static_cast<sal_Int32>(std::lround(pts * kHmmPerPoint));
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

Arrowhead arrowheadOf(const Reference<css::beans::XPropertySet>& shape, bool begin) {
    Arrowhead head;
    const std::string name = utf8(property<rtl::OUString>(shape, markerProperty(begin, "Name").c_str()));
    const auto blank = name.find(' ');
    for (const auto& kind : kMarkers)
        if (name.substr(0, blank) == kind.name) head.style = kind.style;
    if (head.style == arrow::None || blank == std::string::npos) return head;
    const int index = std::atoi(name.c_str() + blank + 1);
    if (index < 1 || index > 9) return head;
    head.width = (index - 1) / 3 + 1;
    head.length = (index - 1) % 3 + 1;
    return head;
}

void setArrowhead(const Reference<css::lang::XMultiServiceFactory>& document,
                  const Reference<css::beans::XPropertySet>& shape, bool begin, const Arrowhead& head) {
    const MarkerKind* kind = nullptr;
    for (const auto& k : kMarkers)
        if (k.style == head.style) kind = &k;
    if (!kind) {
        setProperty(shape, markerProperty(begin, "").c_str(), css::drawing::PolyPolygonBezierCoords());
        return;
    }
    const int width = std::clamp(head.width, 1, 3), length = std::clamp(head.length, 1, 3);
    const rtl::OUString name = ou(std::string(kind->name) + " " + std::to_string((width - 1) * 3 + length));
    // A shape takes its markers by name from the document's marker table.
    Reference<css::container::XNameContainer> markers(
        document->createInstance("com.sun.star.drawing.MarkerTable"), css::uno::UNO_QUERY_THROW);
    if (!markers->hasByName(name))
        markers->insertByName(name, css::uno::Any(markerOutline(head.style, width, length)));
    const double across = markerScale(width);
    const sal_Int32 lineWidth = std::max<sal_Int32>(property<sal_Int32>(shape, "LineWidth"), 70);
    setProperty(shape, markerProperty(begin, "Name").c_str(), name);
    setProperty(shape, markerProperty(begin, "Width").c_str(), static_cast<sal_Int32>(across * lineWidth));
    setProperty(shape, markerProperty(begin, "Center").c_str(), kind->centred);
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

std::vector<Reference<css::drawing::XShape>> formatTargets(const Reference<css::drawing::XShape>& shape) {
    auto members = membersOf(shape);
    if (members.empty()) return {shape};
    std::vector<Reference<css::drawing::XShape>> out;
    for (const auto& member : members) {
        auto inner = formatTargets(member);
        out.insert(out.end(), inner.begin(), inner.end());
    }
    return out;
}

}  // namespace office::impress
