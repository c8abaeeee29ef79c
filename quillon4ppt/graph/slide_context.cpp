#include "quillon4ppt/graph/slide_context.h"

#include <cmath>
#include <limits>

#include "platform/office/ignore_failure.h"

namespace graph {

float toSingle(double points) {
    if (std::fabs(points) > std::numeric_limits<float>::max()) return std::copysign(HUGE_VALF, points);
    return static_cast<float>(points);
}

office::ShapePtr SlideContext::addNamed(const std::string& label,
                                        const std::function<office::ShapePtr()>& add) {
    names.countShape();
    std::string name = names.NameShape(label);
    office::ShapePtr shape = add();
    added.push_back(shape);
    shape->setName(name);
    ++named;
    return host.item(name);
}

void SlideContext::grouped(office::ShapePtr group) {
    added.assign(1, std::move(group));
}

// A shape that cannot be removed is left: the others still go.
void SlideContext::removeAdded() {
    for (auto it = added.rbegin(); it != added.rend(); ++it) office::ignoreFailure([&] { (*it)->remove(); });
    added.clear();
}

office::ShapePtr SlideContext::addLine(const std::string& label, double x1, double y1, double x2, double y2) {
    return addNamed(label,
                    [&] { return host.addLine(toSingle(x1), toSingle(y1), toSingle(x2), toSingle(y2)); });
}

office::ShapePtr SlideContext::addAutoShape(const std::string& label, int type, double left, double top,
                                            double width, double height) {
    return addNamed(label, [&] {
        return host.addShape(type, toSingle(left), toSingle(top), toSingle(width), toSingle(height));
    });
}

office::ShapePtr SlideContext::addOval(const std::string& label, double left, double top, double width,
                                       double height) {
    return addAutoShape(label, office::kShapeOval, left, top, width, height);
}

office::ShapePtr SlideContext::addDot(const std::string& label, double x, double y) {
    return addOval(label, x - 1.2, y - 1.2, 2.4, 2.4);
}

office::ShapePtr SlideContext::addText(const std::string& label, double left, double top,
                                       const std::string& text) {
    auto shape = addNamed(
        label, [&] { return host.addLabel(office::kTextHorizontal, toSingle(left), toSingle(top), 30, 30); });
    setBareText(*shape, text);
    return shape;
}

void setBareText(office::Shape& shape, const std::string& text) {
    auto& frame = shape.textFrame();
    frame.setMarginLeft(0);
    frame.setMarginRight(0);
    frame.setMarginTop(0);
    frame.setMarginBottom(0);
    frame.textRange().setText(text);
}

void setFont(office::Font& font, const std::string& name, float size, bool bold, bool italic) {
    font.setNameAscii(name);
    font.setSize(size);
    font.setBold(bold);
    font.setItalic(italic);
}

}  // namespace graph
