#include "quillon4ppt/graph/graph_carrier.h"

#include <algorithm>

namespace graph {
namespace {

constexpr const char* kOwnNameEnd = "_quillon";
// Small enough that the text never shows, should a program draw the box after all.
constexpr float kRecordFontSize = 1;

struct Extent {
    double left = 0, top = 0, right = 0, bottom = 0;
    int count = 0;
    void add(office::Shape& s) {
        const double l = s.left(), t = s.top(), r = l + s.width(), b = t + s.height();
        if (count++ == 0) {
            left = l, top = t, right = r, bottom = b;
            return;
        }
        left = std::min(left, l), top = std::min(top, t), right = std::max(right, r),
        bottom = std::max(bottom, b);
    }
    GraphPlace place() const { return {left, top, right - left, bottom - top, count}; }
};

bool endsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

std::optional<std::string> recordIn(office::Shape& s) {
    if (!s.hasTextFrame()) return std::nullopt;
    std::string text = s.textFrame().textRange().text();
    if (!LooksLikeGraphRecord(text)) return std::nullopt;
    return text;
}

std::optional<GraphOnSlide> graphOf(office::Shape& group) {
    if (group.type() != office::shapetype::Group) return std::nullopt;
    GraphOnSlide g{group.name(), std::nullopt, {}};
    auto items = group.groupItems();
    Extent drawn;
    bool several = false;
    for (int i = 1; i <= items->count(); ++i) {
        auto s = items->item(i);
        if (auto record = recordIn(*s)) {
            several = several || g.record.has_value();
            g.record = std::move(record);
        } else {
            drawn.add(*s);
        }
    }
    // Two records in one group: the teacher grouped graphs together, and neither
    // record says where the other's shapes are.
    if (several) g.record.reset();
    g.now = drawn.place();
    if (!g.record && !endsWith(g.name, kOwnNameEnd)) return std::nullopt;
    return g;
}

}  // namespace

GraphPlace PlaceOf(office::SlideHost& host, const std::vector<std::string>& names) {
    Extent e;
    for (const auto& n : names) e.add(*host.item(n));
    return e.place();
}

// A rectangle rather than a text box: Impress saves a hidden text box to .pptx without
// its hidden flag, a hidden rectangle with it.
std::string AddRecordBox(SlideContext& slide, const std::string& record, const GraphPlace& place) {
    auto box = slide.addAutoShape(kRecordLabel, office::kShapeRectangle, place.left, place.top, place.width,
                                  place.height);
    box->fill().setVisible(false);
    box->line().setVisible(false);
    setBareText(*box, record);
    box->textFrame().textRange().font().setSize(kRecordFontSize);
    return box->name();
}

void HideRecordBox(office::Shape& group, const std::string& name) {
    auto items = group.groupItems();
    for (int i = items->count(); i >= 1; --i) {
        auto s = items->item(i);
        if (s->name() != name) continue;
        s->setVisible(false);
        return;
    }
}

std::optional<GraphOnSlide> SelectedGraph(office::Application& host) {
    auto& selection = host.activeWindow().selection();
    if (selection.type() != office::selection::Shapes) return std::nullopt;
    auto range = selection.shapeRange();
    if (range->count() != 1) return std::nullopt;
    return graphOf(*range->item(1));
}

std::optional<GraphOnSlide> GraphAt(office::SlideHost& host, int position) {
    return graphOf(*host.item(position));
}

int PositionOf(office::SlideHost& host, const std::string& name) {
    for (int i = 1; i <= host.count(); ++i)
        if (host.item(i)->name() == name) return i;
    return 0;
}

}  // namespace graph
