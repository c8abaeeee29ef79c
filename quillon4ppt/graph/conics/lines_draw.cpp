// "确定" on the lines tab, and the replay that erases a deleted line.
#include <cmath>

#include "common/numbers.h"
#include "quillon4ppt/graph/conics/lines_family.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/shape_styles.h"

namespace graph {
namespace {

std::string pointText(double x, double y) {
    return "(" + common::PlainNumberText(x) + "," + common::PlainNumberText(y) + ")";
}

}  // namespace

void LineFamily::drawLine() {
    auto& g = graph_;
    const int form = chosenForm();
    const double s = readNumberText(txtZX[3].text()), e = readNumberText(txtZX[4].text());
    const StraightLine line = lineFromBoxes(form);
    if (line.kind == StraightLine::NoLine) {
        g.dialogs().msgBox(kNoCoefficientsMessage);
        return;
    }
    const Segment seg = segmentOf(form, line, s, e);
    if (!g.fitsSlide({std::fmin(seg.x1, seg.x2), std::fmax(seg.x1, seg.x2), std::fmin(seg.y1, seg.y2),
                      std::fmax(seg.y1, seg.y2)}))
        return;
    g.Picture1.line(seg.x1, seg.y1, seg.x2, seg.y2, g.lineColor());
    LineRecord& r = records.at(counter);
    r.x1 = seg.x1, r.x2 = seg.x2, r.y1 = seg.y1, r.y2 = seg.y2;
    r.look = g.lineLook();
    g.listItem(*this);
}

// Through its two endpoints; the range is set last, as entering the points proposes
// one of its own.
void LineFamily::loadRecord(int index) {
    const LineRecord& r = records.get(index);
    optType_ZX[kTwoPoint].setValue(true);
    txtZX[0].setText(pointText(r.x1, r.y1));
    txtZX[1].setText(pointText(r.x2, r.y2));
    const bool vertical = lineFromBoxes(kTwoPoint).kind == StraightLine::Vertical;
    txtZX[3].setText(common::NumberText(vertical ? r.y1 : r.x1));
    txtZX[4].setText(common::NumberText(vertical ? r.y2 : r.x2));
    graph_.showLineLook(r.look);
}

void LineFamily::render(SlideContext& slide, int index) {
    RenderLine(slide, records.get(index));
}

void RenderLine(SlideContext& s, const LineRecord& r) {
    const ShapeStyle style = r.look.shapeStyle();
    styleFilled(*s.addLine("直线", s.X(r.x1), s.Y(r.y1), s.X(r.x2), s.Y(r.y2)), style);
}

}  // namespace graph
