#include "quillon4ppt/graph/points.h"

#include <algorithm>

#include "common/numbers.h"
#include "common/text.h"
#include "platform/office/ignore_failure.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

void printAt(forms::PictureBox& p, double x, double y, double value) {
    p.currentX = x;
    p.currentY = y;
    p.print(common::PlainNumberText(value));
}

}  // namespace

void PointFamily::draw() {
    auto& g = graph_;
    if (g.txtPoint[0].text().empty() || g.txtPoint[1].text().empty()) {
        g.dialogs().msgBox(kNoPointMessage);
        return;
    }
    const double x = common::Val(g.txtPoint[0].text()), y = common::Val(g.txtPoint[1].text());
    // The dot hangs from both axes by its guides.
    if (!drawable(x) || !drawable(y) ||
        (g.RecordItems &&
         !g.slideHolds(std::min(0.0, x), std::max(0.0, x), std::min(0.0, y), std::max(0.0, y)))) {
        g.dialogs().msgBox(kTooLargeMessage);
        return;
    }
    const bool only = g.chkPointOnly.checked();
    preview(x, y, only);
    PointRecord& r = records.at(counter);
    r.x = x, r.y = y;
    r.showDot = -1;
    r.showXLabel = r.showYLabel = r.showGuides = only ? 0 : -1;
    r.look = g.lineLook();
    g.listItem(*this);
}

void PointFamily::preview(double x, double y, bool pointOnly) {
    auto& p = graph_.Picture1;
    const double m = graph_.frame.markSize;
    const common::Rgb color = graph_.lineColor();
    p.fillStyle = 0;
    p.fontName = "Times New Roman";
    p.fontSize = 6;
    p.foreColor = color;
    // Filled in its own colour, so that the replay in the canvas colour erases it.
    p.fillColor = color;
    p.circle(x, y, m, color);
    if (pointOnly) return;
    if (x * y != 0) {
        const int style = p.drawStyle;
        p.drawStyle = 2;
        p.line(x, 0, x, y, color);
        p.line(0, y, x, y, color);
        p.drawStyle = style;
        printAt(p, x - 2 * m, y > 0 ? -m : 5 * m, x);
        printAt(p, x > 0 ? -4 * m : 2 * m, y + 2 * m, y);
    } else if (x != 0) {
        printAt(p, x - 2 * m, -m, x);
    } else if (y != 0) {
        printAt(p, 2 * m, y + 2 * m, y);
    }
}

void PointFamily::loadRecord(int index) {
    const PointRecord& r = records.get(index);
    graph_.txtPoint[0].setText(common::PlainNumberText(r.x));
    graph_.txtPoint[1].setText(common::PlainNumberText(r.y));
    graph_.chkPointOnly.setValue(r.showXLabel || r.showYLabel || r.showGuides ? 0 : 1);
    graph_.showLineLook(r.look);
}

void PointFamily::render(SlideContext& slide, int index) {
    RenderPoint(slide, records.get(index));
}

namespace {

using office::ignoreFailure;

// Value labels: size 9, no margins, no fill, no line.
void valueLabel(SlideContext& s, const std::string& label, double left, double top, const std::string& text) {
    office::ShapePtr box;
    if (!ignoreFailure([&] { box = s.addText(label, left, top, text); })) return;
    ignoreFailure([&] { box->textFrame().textRange().font().setSize(9); });
    ignoreFailure([&] { box->fill().setVisible(false); });
    ignoreFailure([&] { box->line().setVisible(false); });
}

void styleFilled(const office::ShapePtr& shape, common::Rgb color, int dash, float weight) {
    ignoreFailure([&] { shape->line().setForeColor(color); });
    ignoreFailure([&] { shape->line().setDashStyle(dash); });
    ignoreFailure([&] { shape->line().setWeight(weight); });
    ignoreFailure([&] { shape->fill().setForeColor(color); });
    ignoreFailure([&] { shape->fill().setVisible(true); });
    ignoreFailure([&] { shape->line().setVisible(true); });
}

void guide(SlideContext& s, const PointRecord& p, const std::string& label, double x1, double y1, double x2,
           double y2) {
    office::ShapePtr line;
    if (ignoreFailure([&] { line = s.addLine(label, x1, y1, x2, y2); }))
        styleFilled(line, p.look.color, office::dash::Dash, p.look.weight);
}

}  // namespace

void RenderPoint(SlideContext& s, const PointRecord& p) {
    const int dash = StyleToDash(p.look.style);
    const double ox = s.frame.originX, oy = s.frame.originY;
    const std::string xText = common::PlainNumberText(p.x), yText = common::PlainNumberText(p.y);
    office::ShapePtr dot;
    if (p.showDot && ignoreFailure([&] { dot = s.addDot("点", s.X(p.x), s.Y(p.y)); }))
        styleFilled(dot, p.look.color, dash, p.look.weight);
    if (p.x * p.y == 0) {
        if (p.x != 0 && p.showXLabel) valueLabel(s, "x轴上刻度标注", s.X(p.x) - 1.2, oy, xText);
        if (p.y != 0 && p.showYLabel) valueLabel(s, "y轴上刻度标注", ox + 2.2, s.Y(p.y) - 6, yText);
        return;
    }
    if (p.showGuides) {
        guide(s, p, "标示横坐标的虚线", s.X(p.x), oy, s.X(p.x), s.Y(p.y));
        guide(s, p, "标示纵坐标的虚线", ox, s.Y(p.y), s.X(p.x), s.Y(p.y));
    }
    if (p.showXLabel) valueLabel(s, "横坐标标注", s.X(p.x) - 1.2, p.y > 0 ? oy : oy - 13, xText);
    if (p.showYLabel) {
        double left = p.x >= 0 ? ox - 6.0 * (common::charCount(yText) + 1) : ox + 2.2;
        valueLabel(s, "纵坐标标注", left, s.Y(p.y) - 9, yText);
    }
}

}  // namespace graph
