#include "graph_shapes.h"

#include <cmath>

namespace {

const std::string kRecordPrefix = "作图记录：";

bool near(double a, double b, double tolerance) {
    return std::fabs(a - b) <= tolerance;
}

std::string describe(const ShapeFacts& s) {
    return s.label + " type " + std::to_string(s.type) + " at " + std::to_string(s.left) + "," +
           std::to_string(s.top) + " size " + std::to_string(s.width) + "x" + std::to_string(s.height) +
           " text \"" + s.text + "\" line " + std::to_string(s.lineColor) + "/" + std::to_string(s.dash) +
           "/" + std::to_string(s.weight) + (s.lineVisible ? "" : " no line") + (s.hidden ? " hidden" : "");
}

bool same(const ShapeFacts& a, const ShapeFacts& b, double tol) {
    return a.label == b.label && a.type == b.type && near(a.left, b.left, tol) && near(a.top, b.top, tol) &&
           near(a.width, b.width, tol) && near(a.height, b.height, tol) && a.text == b.text &&
           a.lineColor == b.lineColor && a.dash == b.dash && near(a.weight, b.weight, 0.01) &&
           a.lineVisible == b.lineVisible && a.hidden == b.hidden;
}

}  // namespace

std::vector<ShapeFacts> drawnShapes(office::Shape& group) {
    std::vector<ShapeFacts> out;
    auto items = group.groupItems();
    for (int i = 1; i <= items->count(); ++i) {
        auto s = items->item(i);
        const std::string name = s->name();
        if (name.rfind(kRecordPrefix, 0) == 0) continue;
        ShapeFacts f;
        f.label = name.substr(0, name.find("："));
        f.type = s->type();
        f.left = s->left(), f.top = s->top(), f.width = s->width(), f.height = s->height();
        if (s->hasTextFrame()) f.text = s->textFrame().textRange().text();
        f.lineColor = s->line().foreColor();
        f.dash = s->line().dashStyle();
        f.weight = s->line().weight();
        f.lineVisible = s->line().visible();
        f.hidden = !s->visible();
        out.push_back(f);
    }
    return out;
}

office::ShapePtr recordBox(office::Shape& group) {
    auto items = group.groupItems();
    for (int i = 1; i <= items->count(); ++i)
        if (items->item(i)->name().rfind(kRecordPrefix, 0) == 0) return items->item(i);
    return nullptr;
}

std::string difference(const std::vector<ShapeFacts>& a, const std::vector<ShapeFacts>& b, double tolerance) {
    if (a.size() != b.size()) return std::to_string(a.size()) + " shapes against " + std::to_string(b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!same(a[i], b[i], tolerance)) return describe(a[i]) + "\n  against " + describe(b[i]);
    return "";
}

std::vector<std::string> changedLabels(const std::vector<ShapeFacts>& a, const std::vector<ShapeFacts>& b,
                                       double tolerance) {
    std::vector<std::string> out;
    for (const auto& s : b) {
        bool found = false;
        for (const auto& t : a) found = found || same(s, t, tolerance);
        if (!found) out.push_back(s.label);
    }
    return out;
}

std::vector<ShapeFacts> transformed(std::vector<ShapeFacts> shapes, double dx, double dy, double sx,
                                    double sy) {
    for (auto& s : shapes) {
        s.left = s.left * sx + dx, s.top = s.top * sy + dy;
        s.width *= sx, s.height *= sy;
    }
    return shapes;
}
