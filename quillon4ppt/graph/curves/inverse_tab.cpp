// The inverse-proportion tab: its controls, the gap around the pole, "确定", "重置",
// the replay and the branches on the slide.
#include "common/numbers.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/inverse.h"

namespace graph {
namespace {
constexpr double kGapStep = 0.01;
}  // namespace

std::optional<double> InverseGap(double k, const CoordinateFrame& frame) {
    auto outside = [&](double x) {
        const double y = k / x;
        return x < frame.xMin || x > frame.xMax || y < frame.yMin || y > frame.yMax;
    };
    return StepWhile(kGapStep, kGapStep, 0, frame.xMax, outside);
}

// Each branch ends exactly at the gap or at the range's end.
std::vector<CurvePiece> InversePieces(double k, double xStart, double xFrom, double xTo) {
    const RealFunction f = [k](double x) { return k / x; };
    return {{f, xFrom, -xStart, true}, {f, xStart, xTo, true}};
}

InverseFamily::InverseFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    for (int i = 0; i < 2; ++i) cmdOK_FBL[i].Click = [this, i] { cmdOK_FBL_Click(i); };
    txtFBL[0].setText("1");
    txtFBL[1].setText("-5");
    txtFBL[2].setText("5");
}

void InverseFamily::declareLayout() {
    const forms::Control* tab = &graph_.SSTab1;
    const int page = kTabInverse;
    const char* captions[] = {"y = k/x", "k =", "x的取值范围：", "≤ x ≤"};
    for (int i = 0; i < imgFBL.size(); ++i) imgFBL[i].setCaption(captions[i]);
    imgFBL[0].place(120, 240, 2400, 360, tab, page);
    imgFBL[1].place(120, 900, 480, 330, tab, page);
    txtFBL[0].place(600, 840, 1000, 330, tab, page);
    imgFBL[2].place(120, 1560, 1500, 330, tab, page);
    txtFBL[1].place(120, 1980, 1000, 330, tab, page);
    imgFBL[3].place(1200, 2040, 900, 330, tab, page);
    txtFBL[2].place(2160, 1980, 1000, 330, tab, page);
    cmdOK_FBL[0].setCaption("确定");
    cmdOK_FBL[0].place(3120, 3660, 1200, 420, tab, page);
    cmdOK_FBL[1].setCaption("重置");
    cmdOK_FBL[1].place(4560, 3660, 1200, 420, tab, page);
}

void InverseFamily::cmdOK_FBL_Click(int index) {
    if (index == 0)
        drawInverse();
    else
        resetInverse();
}

// Neither asks about the frame nor clears the preview: the gap keeps the curve in.
void InverseFamily::drawInverse() {
    frmGraph& g = graph_;
    const double k = readBox(txtFBL[0]);
    const std::optional<double> gap = InverseGap(k, g.frame);
    const double xFrom = readBox(txtFBL[1]), xTo = readBox(txtFBL[2]);
    g.CurveExtents.cxMin = xFrom;
    g.CurveExtents.cxMax = xTo;
    if (!drawable(k) || !gap || !Sizable(xFrom, -*gap) || !Sizable(*gap, xTo)) {
        g.showRangeError();
        return;
    }
    graph::CurveExtents extents = g.CurveExtents;
    extents.cyMin = g.frame.yMin, extents.cyMax = g.frame.yMax;
    if (!g.extentsFit(extents)) return;
    for (const CurvePiece& piece : InversePieces(k, *gap, xFrom, xTo)) TraceCurve(g, piece);
    records.at(counter) = {k, *gap, xFrom, xTo, g.lineLook()};
    g.listItem(*this);
}

void InverseFamily::resetInverse() {
    txtFBL[0].setText("");
    txtFBL[1].setText(common::NumberText(graph_.frame.xMin));
    txtFBL[2].setText(common::NumberText(graph_.frame.xMax));
}

void InverseFamily::loadRecord(int index) {
    const InverseRecord& r = records.get(index);
    graph_.showLineLook(r.look);
    txtFBL[0].setText(common::NumberText(r.k));
    ShowRange(txtFBL[1], txtFBL[2], {r.xFrom, r.xTo});
}

void InverseFamily::render(SlideContext& slide, int index) {
    RenderInverse(slide, records.get(index));
}

void RenderInverse(SlideContext& slide, const InverseRecord& r) {
    for (const CurvePiece& piece : InversePieces(r.k, r.xStart, r.xFrom, r.xTo))
        EmitPiece(slide, piece, "反比例函数", r.look);
}

}  // namespace graph
