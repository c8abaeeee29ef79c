// The lines tab: the form choice, the range it proposes while the teacher types, the
// reset.
#include <algorithm>

#include "common/numbers.h"
#include "quillon4ppt/graph/conics/lines_family.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

struct FormRow {
    const char* caption9;
    const char* caption10;
    const char* prefill0;
    const char* prefill1;
};

constexpr const char* kEmptyPoint = "(  ,  )";
constexpr FormRow kForms[] = {
    {"斜率k=", "截距b=", "", ""},
    {"点P的坐标", "斜率k=", kEmptyPoint, ""},
    {"点P1的坐标", "点P2的坐标", kEmptyPoint, kEmptyPoint},
    {"横截距a=", "纵截距b=", "", ""},
    {"点P的坐标", "方向向量", kEmptyPoint, kEmptyPoint},
    {"点P的坐标", "法向量", kEmptyPoint, kEmptyPoint},
    {"A=", "B=", "", ""},
};
constexpr int kFormCount = 7;

}  // namespace

LineFamily::LineFamily(frmGraph& graph)
    : graph_(graph),
      fraType_ZX(graph, "fraType_ZX"),
      optType_ZX(graph, "optType_ZX", kFormCount),
      Image1(graph, "Image1", kFormCount),
      txtZX(graph, "txtZX", 5),
      chkXD(graph, "chkXD"),
      cmdOK_ZX(graph, "cmdOK_ZX", 2) {
    declareLayout();
    bindEvents();
    resetTab();
}

int LineFamily::tab() const {
    return kTabLines;
}

void LineFamily::bindEvents() {
    for (int i = 0; i < kFormCount; ++i) optType_ZX[i].Click = [this, i] { optType_ZX_Click(i); };
    for (int i = 0; i < txtZX.size(); ++i) txtZX[i].Change = [this, i] { txtZX_Change(i); };
    chkXD.Click = [this] { chkXD_Click(); };
    for (int i = 0; i < 2; ++i) cmdOK_ZX[i].Click = [this, i] { cmdOK_ZX_Click(i); };
}

void LineFamily::cmdOK_ZX_Click(int index) {
    if (index == 0)
        drawLine();
    else
        resetTab();
}

void LineFamily::resetTab() {
    SegmentFlag = false;
    chkXD.setValue(0);
    optType_ZX[kSlopeIntercept].setValue(true);
    txtZX[3].setText(common::NumberText(graph_.frame.xMin));
    txtZX[4].setText(common::NumberText(graph_.frame.xMax));
    optType_ZX_Click(kSlopeIntercept);
}

void LineFamily::optType_ZX_Click(int index) {
    for (int i = 0; i < kFormCount; ++i) Image1[i].setVisible(false);
    chkXD.setVisible(false);
    Image1[index].setVisible(true);
    const FormRow& row = kForms[index];
    const bool general = index == kGeneral;
    // Right-aligned against their boxes as they change.
    setParameterCaptions(row.caption9, row.caption10);
    graph_.Label[11].setVisible(general);
    txtZX[2].setVisible(general);
    txtZX[0].setText(row.prefill0);
    txtZX[1].setText(row.prefill1);
    if (general) txtZX[2].setText("");
    chkXD.setVisible(index == kTwoPoint);
    graph_.Label[12].setCaption("≤ x ≤");
}

void LineFamily::chkXD_Click() {
    SegmentFlag = chkXD.checked();
    txtZX_Change(1);
}

int LineFamily::chosenForm() const {
    for (int i = 0; i < kFormCount; ++i)
        if (optType_ZX[i].value()) return i;
    return kSlopeIntercept;
}

StraightLine LineFamily::lineFromBoxes(int form) const {
    return lineFromInputs(form, txtZX[0].text(), txtZX[1].text(), txtZX[2].text());
}

void LineFamily::txtZX_Change(int index) {
    if (index > 2) return;
    const int form = chosenForm();
    if (txtZX[0].text().empty() || txtZX[1].text().empty()) return;
    const StraightLine line = lineFromBoxes(form);
    const CoordinateFrame& f = graph_.frame;
    if (line.kind == StraightLine::Vertical) {
        graph_.Label[12].setCaption("≤ y ≤");
        if (form == kTwoPoint)
            proposeRange(std::min(line.p.y, line.p2.y), std::max(line.p.y, line.p2.y));
        else
            proposeRange(f.yMin, f.yMax);
        return;
    }
    if (line.kind == StraightLine::NoLine) {
        graph_.dialogs().msgBox(kNoCoefficientsMessage);
        return;
    }
    graph_.Label[12].setCaption("≤ x ≤");
    if (form == kTwoPoint && SegmentFlag) {
        proposeRange(std::min(line.p.x, line.p2.x), std::max(line.p.x, line.p2.x));
        return;
    }
    const LineRange r = clipToFrame(line, f);
    proposeRange(r.from, r.to);
}

void LineFamily::proposeRange(double from, double to) {
    txtZX[3].setText(common::NumberText(from));
    txtZX[4].setText(common::NumberText(to));
}

}  // namespace graph
