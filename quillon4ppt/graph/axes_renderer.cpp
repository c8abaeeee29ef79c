#include "quillon4ppt/graph/axes_renderer.h"

#include <string>

namespace graph {
namespace {

constexpr const char* kSerif = "Times New Roman";

void styleAxis(office::LineFormat& line, const AxesItem& item, int beginLength, int dash) {
    line.setBeginArrowheadLength(beginLength);
    line.setBeginArrowheadWidth(office::arrow::Medium);
    line.setBeginArrowheadStyle(office::arrow::None);
    line.setEndArrowheadLength(office::arrow::Medium);
    line.setEndArrowheadWidth(office::arrow::Narrow);
    line.setEndArrowheadStyle(office::arrow::Stealth);
    line.setForeColor(item.color);
    line.setDashStyle(dash);
}

void addLetter(SlideContext& s, const std::string& label, double left, double top, const std::string& text,
               bool italic) {
    auto box = s.addText(label, left, top, text);
    setFont(box->textFrame().textRange().font(), kSerif, 18, false, italic);
}

void renderTicks(SlideContext& s, const AxesItem& item) {
    const auto& a = s.axis;
    const double tick = s.frame.unitLength / a.intKD;
    const double ox = s.frame.originX, oy = s.frame.originY;
    for (int i = item.xMin + 1; i <= item.xMax - 1; ++i) {
        if (i == 0) continue;
        s.addLine("x轴刻度线" + std::to_string(i), s.X(i), oy, s.X(i), a.blXkdUp ? oy - tick : oy + tick);
        addLetter(s, "x轴刻度标注" + std::to_string(i), s.X(i) - 4, a.blXtxtUp ? oy - 15 : oy,
                  std::to_string(i), false);
    }
    for (int j = item.yMin + 1; j <= item.yMax - 1; ++j) {
        if (j == 0) continue;
        if (a.blYkdLeft)
            s.addLine("y轴刻度线" + std::to_string(j), ox - tick, s.Y(j), ox, s.Y(j));
        else
            s.addLine("y轴刻度线" + std::to_string(j), ox, s.Y(j), ox + tick, s.Y(j));
        addLetter(s, "y轴刻度标注" + std::to_string(j), a.blYtxtLeft ? ox - 8 : ox + 2, s.Y(j) - 6,
                  std::to_string(j), false);
    }
}

}  // namespace

void RenderAxes(SlideContext& s, const AxesItem& item) {
    const int dash = StyleToDash(item.lineStyle);
    const double ox = s.frame.originX, oy = s.frame.originY;
    auto x = s.addLine("x轴", s.X(item.xMin), oy, s.X(item.xMax), oy);
    styleAxis(x->line(), item, office::arrow::Long, dash);
    addLetter(s, "x轴标记", s.X(item.xMax) - 4, oy - 4, "x", true);
    auto y = s.addLine("y轴", ox, s.Y(item.yMin), ox, s.Y(item.yMax));
    styleAxis(y->line(), item, office::arrow::Medium, dash);
    addLetter(s, "y轴标记", ox - 7, s.Y(item.yMax) - 7, "y", true);
    addLetter(s, "原点", ox - 12, oy - 2, "O", false);
    if (item.drawScale) renderTicks(s, item);
}

}  // namespace graph
