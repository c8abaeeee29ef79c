#pragma once
// The shapes of a slide's shape tree as DrawingML elements: what kind they are, where
// they stand on the page, and new lines, ovals, curves, text boxes and groups.
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "platform/office/host.h"

namespace office::pptx {

constexpr double kEmuPerPoint = 12700;

// Shape ids are unsigned 32-bit numbers in DrawingML.
using ShapeId = long long;
constexpr ShapeId kLargestShapeId = 4294967295LL;

struct Box {
    double left = 0, top = 0, width = 0, height = 0;  // points on the page
};

bool isShape(const pugi::xml_node& node);
std::vector<pugi::xml_node> shapesIn(const pugi::xml_node& tree);  // back to front

std::string shapeName(const pugi::xml_node& shape);
void setShapeName(pugi::xml_node shape, const std::string& name);
int shapeType(const pugi::xml_node& shape);
bool hasText(const pugi::xml_node& shape);
// The elements that carry the shape's properties: itself, or for alternate content
// every alternative.
std::vector<pugi::xml_node> alternativesOf(const pugi::xml_node& shape);

// The placeholder element (p:ph) of a placeholder shape, else none.
pugi::xml_node placeholderOf(const pugi::xml_node& shape);
// Whether the shape gives its own position (placeholders may take theirs from the layout).
bool hasOwnBox(const pugi::xml_node& shape);

Box boxOf(const pugi::xml_node& shape);
void setBox(pugi::xml_node shape, const Box& box);

// A text box that does not wrap is kept a point wider than its left and right margins:
// LibreOffice moves the text of a narrower box to the left by the difference, and
// PowerPoint, growing the box with its text, never shows one.
void keepTextRoom(pugi::xml_node shape);

pugi::xml_node addLine(pugi::xml_node tree, ShapeId id, PointF begin, PointF end);
// An autoshape of the preset `geometry` ("ellipse", "rect"), filled and outlined.
pugi::xml_node addAutoShape(pugi::xml_node tree, ShapeId id, const Box& box, const std::string& geometry);
pugi::xml_node addCurve(pugi::xml_node tree, ShapeId id, const std::vector<PointF>& points);
pugi::xml_node addTextBox(pugi::xml_node tree, ShapeId id, const Box& box);
// A picture whose blip is the PNG part `pngRel`; with `svgRel` the SVG part beside it as
// the extension PowerPoint draws instead. Title and description are set on the shape.
pugi::xml_node addPicture(pugi::xml_node tree, ShapeId id, const Box& box, const std::string& pngRel,
                          const std::string& svgRel, const std::string& title,
                          const std::string& description);
// An Office Math equation (one m:oMath) in a text box, for readers that know it (a14),
// with the picture `fallback` for the others; the box and the texts become both
// branches'. The text is `fontSize` points high.
pugi::xml_node addEquation(pugi::xml_node tree, pugi::xml_node fallback, const std::string& omml,
                           double fontSize);
// Whether the shape is such an equation.
bool isEquation(const pugi::xml_node& shape);
// An equation's text grows by the factor, as its box does.
void scaleEquationText(pugi::xml_node shape, double factor);
std::string shapeTitle(const pugi::xml_node& shape);
std::string shapeDescription(const pugi::xml_node& shape);
void setShapeDescription(pugi::xml_node shape, const std::string& text);
bool shapeHidden(const pugi::xml_node& shape);
void setShapeHidden(pugi::xml_node shape, bool hidden);
// A group in place of its children (in z-order), which keep their place on the page.
pugi::xml_node groupShapes(pugi::xml_node tree, ShapeId id, const std::vector<pugi::xml_node>& children);

}  // namespace office::pptx
