// The circle tab: its three equation forms, "确定", the reset, and the replay that
// erases a deleted circle.
#include <cmath>

#include "common/numbers.h"
#include "common/text.h"
#include "quillon4ppt/graph/conics/circles_family.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {

CircleFamily::CircleFamily(frmGraph& graph)
    : graph_(graph),
      fraStandard_Y(graph, "fraStandard_Y"),
      fraGeneral_Y(graph, "fraGeneral_Y"),
      optXYR(graph, "optXYR", 1),
      optXaYbR(graph, "optXaYbR", 2),
      optGeneral_Y(graph, "optGeneral_Y", 3),
      txtR2(graph, "txtR2"),
      txta(graph, "txta"),
      txtb(graph, "txtb"),
      imgYuan(graph, "imgYuan", 6),
      chkCentreOfCircle(graph, "chkCentreOfCircle"),
      cmdOK_Y(graph, "cmdOK_Y"),
      cmdCancel_Y(graph, "cmdCancel_Y") {
    declareLayout();
    bindEvents();
    cmdCancel_Y_Click();
}

int CircleFamily::tab() const {
    return kTabCircle;
}

void CircleFamily::bindEvents() {
    optXYR.Click = [this] { optXYR_Click(); };
    optXaYbR.Click = [this] { optXaYbR_Click(); };
    optGeneral_Y.Click = [this] { optGeneral_Y_Click(); };
    cmdOK_Y.Click = [this] { cmdOK_Y_Click(); };
    cmdCancel_Y.Click = [this] { cmdCancel_Y_Click(); };
}

void CircleFamily::chooseForm(forms::OptionButton& chosen, const char* key, int firstCaption,
                              bool threeBoxes) {
    for (forms::OptionButton* o : {&optXYR, &optXaYbR, &optGeneral_Y})
        if (o != &chosen) o->setValue(false);
    for (int i = 0; i < imgYuan.size(); ++i)
        imgYuan[i].setVisible(i == firstCaption || (threeBoxes && i > firstCaption && i < firstCaption + 3));
    txta.setVisible(threeBoxes);
    txtb.setVisible(threeBoxes);
    graph_.EquationFormKey = key;
}

void CircleFamily::optXYR_Click() {
    chooseForm(optXYR, "xyr", 0, false);
}
void CircleFamily::optXaYbR_Click() {
    chooseForm(optXaYbR, "XaYbR", 0, true);
}
void CircleFamily::optGeneral_Y_Click() {
    chooseForm(optGeneral_Y, "General", 3, true);
}

void CircleFamily::cmdCancel_Y_Click() {
    txtR2.setText("");
    txta.setText("");
    txtb.setText("");
    chkCentreOfCircle.setValue(0);
    optXYR.setValue(true);
    optXYR_Click();
}

void CircleFamily::cmdOK_Y_Click() {
    auto& g = graph_;
    const double q = readBox(txtR2), a = readBox(txta), b = readBox(txtb);
    g.Picture1.fillColor = g.lineColor();
    g.Picture1.fillStyle = 1;
    CircleRecord c;
    const std::string key = common::lowerAscii(g.EquationFormKey);
    if (key == "xyr") {
        c.r2 = q;
    } else if (key == "xaybr") {
        c.cx = a, c.cy = b, c.r2 = q;
    } else if (key == "general") {
        c.cx = -q / 2, c.cy = -a / 2, c.r2 = (q * q + a * a - 4 * b) / 4;
    } else {
        g.dialogs().msgBox(kNoFormMessage);
        return;
    }
    // Numbers past what a double holds would put infinity on the slide.
    if (!std::isfinite(c.cx) || !std::isfinite(c.cy) || !std::isfinite(c.r2)) {
        g.dialogs().msgBox(kTooLargeMessage);
        return;
    }
    if (!(c.r2 > 0)) {
        g.dialogs().msgBox(kRadiusMessage);
        return;
    }
    const double r = std::sqrt(c.r2);
    g.CurveExtents = {c.cx - r, c.cx + r, c.cy - r, c.cy + r};
    if (!g.fitsSlide(g.CurveExtents) || g.outOfFrameDeclined()) return;
    c.centre = chkCentreOfCircle.checked() ? -1 : 0;
    preview(c, c.centre != 0);
    c.look = g.lineLook();
    records.at(counter) = c;
    g.listItem(*this);
}

void CircleFamily::preview(const CircleRecord& c, bool centre) {
    auto& p = graph_.Picture1;
    p.circle(c.cx, c.cy, std::sqrt(c.r2), graph_.lineColor());
    if (!centre) return;
    p.fillStyle = 0;
    p.circle(c.cx, c.cy, graph_.frame.markSize, graph_.lineColor());
}

// In the form (x - a)² + (y - b)² = r², whatever form drew it.
void CircleFamily::loadRecord(int index) {
    const CircleRecord& c = records.get(index);
    optXaYbR.setValue(true);
    optXaYbR_Click();
    txtR2.setText(common::NumberText(c.r2));
    txta.setText(common::NumberText(c.cx));
    txtb.setText(common::NumberText(c.cy));
    chkCentreOfCircle.setValue(c.centre ? 1 : 0);
    graph_.showLineLook(c.look);
}

void CircleFamily::render(SlideContext& slide, int index) {
    RenderCircle(slide, records.get(index));
}

}  // namespace graph
