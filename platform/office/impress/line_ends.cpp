#include "platform/office/impress/line_ends.h"

#include <algorithm>
#include <cmath>
#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/drawing/PolyPolygonBezierCoords.hpp>
#include <cstdlib>
#include <string>

namespace office::impress {

namespace {

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

}  // namespace

Arrowhead arrowheadOf(Session& session, const UnoShape& shape, bool begin) {
    auto object = identity(shape);
    if (auto known = session.arrowheads.find({object.get(), begin}); known != session.arrowheads.end())
        return known->second.second;
    Arrowhead head;
    const std::string name = utf8(session.get<rtl::OUString>(shape, markerProperty(begin, "Name").c_str()));
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

void setArrowhead(Session& session, const UnoShape& shape, bool begin, const Arrowhead& head) {
    auto object = identity(shape);
    session.arrowheads[{object.get(), begin}] = {object, head};
    const MarkerKind* kind = nullptr;
    for (const auto& k : kMarkers)
        if (k.style == head.style) kind = &k;
    // The outline and the name are one setting in Impress: only the last one given is sent.
    if (!kind) {
        session.drop(shape, markerProperty(begin, "Name").c_str());
        session.set(shape, markerProperty(begin, "").c_str(),
                    css::uno::Any(css::drawing::PolyPolygonBezierCoords()));
        return;
    }
    session.drop(shape, markerProperty(begin, "").c_str());
    const int width = std::clamp(head.width, 1, 3), length = std::clamp(head.length, 1, 3);
    const rtl::OUString name = ou(std::string(kind->name) + " " + std::to_string((width - 1) * 3 + length));
    // A shape takes its markers by name from the document's marker table.
    Reference<css::container::XNameContainer> markers(
        session.factory()->createInstance("com.sun.star.drawing.MarkerTable"), css::uno::UNO_QUERY_THROW);
    if (!markers->hasByName(name))
        markers->insertByName(name, css::uno::Any(markerOutline(head.style, width, length)));
    const double across = markerScale(width);
    const sal_Int32 lineWidth = std::max<sal_Int32>(session.get<sal_Int32>(shape, "LineWidth"), 70);
    session.set(shape, markerProperty(begin, "Name").c_str(), css::uno::Any(name));
    session.set(shape, markerProperty(begin, "Width").c_str(),
                css::uno::Any(static_cast<sal_Int32>(across * lineWidth)));
    session.set(shape, markerProperty(begin, "Center").c_str(), css::uno::Any(kind->centred));
}

}  // namespace office::impress
