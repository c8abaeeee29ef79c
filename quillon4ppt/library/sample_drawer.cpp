#include <algorithm>

#include "quillon4ppt/library/sample_figures.h"

namespace library {

namespace {
constexpr float kWeight = 1.5f;
}

void FigureDrawer::own(office::ShapePtr shape) {
    std::string name = "图形" + std::to_string(host_.count());
    shape->setName(name);
    names_.push_back(name);
}

void FigureDrawer::line(float x1, float y1, float x2, float y2, bool hidden) {
    auto shape = host_.addLine(left_ + x1, top_ + y1, left_ + x2, top_ + y2);
    shape->line().setForeColor(common::kBlack);
    shape->line().setWeight(kWeight);
    if (hidden) shape->line().setDashStyle(office::dash::Dash);
    own(shape);
}

void FigureDrawer::polygon(const std::vector<office::PointF>& corners, bool hidden) {
    for (std::size_t i = 0; i < corners.size(); ++i) {
        const auto& a = corners[i];
        const auto& b = corners[(i + 1) % corners.size()];
        line(a.x, a.y, b.x, b.y, hidden);
    }
}

void FigureDrawer::oval(float left, float top, float width, float height, bool hidden) {
    auto shape = host_.addShape(office::kShapeOval, left_ + left, top_ + top, width, height);
    shape->fill().setVisible(false);
    shape->line().setForeColor(common::kBlack);
    shape->line().setWeight(kWeight);
    if (hidden) shape->line().setDashStyle(office::dash::Dash);
    own(shape);
}

void FigureDrawer::curve(const std::vector<office::PointF>& through, bool hidden) {
    // A smooth curve through every point (Catmull-Rom segments as Bezier segments).
    auto at = [&](std::size_t i) {
        i = std::min(i, through.size() - 1);
        return office::PointF{left_ + through[i].x, top_ + through[i].y};
    };
    std::vector<office::PointF> points{at(0)};
    for (std::size_t i = 0; i + 1 < through.size(); ++i) {
        office::PointF p0 = at(i == 0 ? 0 : i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        points.push_back({p1.x + (p2.x - p0.x) / 6, p1.y + (p2.y - p0.y) / 6});
        points.push_back({p2.x - (p3.x - p1.x) / 6, p2.y - (p3.y - p1.y) / 6});
        points.push_back(p2);
    }
    auto shape = host_.addCurve(points);
    shape->fill().setVisible(false);
    shape->line().setForeColor(common::kBlack);
    shape->line().setWeight(kWeight);
    if (hidden) shape->line().setDashStyle(office::dash::Dash);
    own(shape);
}

void FigureDrawer::dot(float x, float y) {
    auto shape = host_.addShape(office::kShapeOval, left_ + x - 2.5f, top_ + y - 2.5f, 5, 5);
    shape->fill().setForeColor(common::kBlack);
    shape->line().setForeColor(common::kBlack);
    own(shape);
}

void FigureDrawer::label(const std::string& text, float x, float y) {
    auto shape = host_.addLabel(office::kTextHorizontal, left_ + x - 10, top_ + y - 11, 20, 22);
    auto& frame = shape->textFrame();
    frame.setMarginLeft(0);
    frame.setMarginRight(0);
    frame.setMarginTop(0);
    frame.setMarginBottom(0);
    frame.textRange().setText(text);
    frame.textRange().font().setSize(16);
    frame.textRange().font().setItalic(true);
    frame.textRange().font().setNameAscii("Times New Roman");
    own(shape);
}

void FigureDrawer::finish(const std::string& name) {
    host_.range(names_)->group()->setName(name);
    names_.clear();
}

}  // namespace library
