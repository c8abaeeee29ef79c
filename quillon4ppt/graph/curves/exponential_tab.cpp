// The exponential tab's controls, range suggestion, reset and replay.
#include <cmath>

#include "common/numbers.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/exponential.h"

namespace graph {
namespace {
constexpr double kSuggestionStep = 0.1;
}  // namespace

XRange SuggestExponentialRange(double a, double h, double k, const CoordinateFrame& frame) {
    auto f = [&](double x) { return std::pow(a, x + h) + k; };
    auto belowRise = [&](double x) { return !(f(x) > k + 0.1); };
    auto atTop = [&](double x) { return f(x) >= frame.yMax; };
    const double lo = frame.xMin, hi = frame.xMax;
    std::optional<double> from, to;
    if (a > 1) {
        from = StepWhile(lo, kSuggestionStep, lo, hi, belowRise);
        to = StepWhile(hi, -kSuggestionStep, lo, hi, atTop);
    } else {
        to = StepWhile(hi, -kSuggestionStep, lo, hi, belowRise);
        from = StepWhile(lo, kSuggestionStep, lo, hi, atTop);
    }
    if (!from || !to || *to <= *from) return {lo, hi};
    return {*from, *to};
}

ExponentialFamily::ExponentialFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    for (int i = 0; i < 3; ++i) txtA_Exponent[i].Change = [this] { txtA_Exponent_Change(); };
    cmdOK_Exponent.Click = [this] { cmdOK_Exponent_Click(); };
    cmdCancel_Exponent.Click = [this] { cmdCancel_Exponent_Click(); };
    txtA_Exponent[1].setText("0");
    txtA_Exponent[2].setText("0");
}

void ExponentialFamily::declareLayout() {
    const forms::Control* tab = &graph_.SSTab1;
    const int page = kTabExponential;
    const char* captions[] = {"y = a^(x + h) + k", "a =", "h =", "k =", "x的取值范围：", "≤ x ≤"};
    for (int i = 0; i < imgExponent.size(); ++i) imgExponent[i].setCaption(captions[i]);
    imgExponent[0].place(120, 240, 2400, 360, tab, page);
    for (int i = 0; i < 3; ++i) {
        imgExponent[i + 1].place(120 + i * 1920, 900, 480, 330, tab, page);
        txtA_Exponent[i].place(600 + i * 1920, 840, 1000, 330, tab, page);
    }
    imgExponent[4].place(120, 1560, 1500, 330, tab, page);
    txtXmin_Exponent.place(120, 1980, 1000, 330, tab, page);
    imgExponent[5].place(1200, 2040, 900, 330, tab, page);
    txtXmax_Exponent.place(2160, 1980, 1000, 330, tab, page);
    cmdOK_Exponent.setCaption("确定");
    cmdOK_Exponent.place(3120, 3660, 1200, 420, tab, page);
    cmdCancel_Exponent.setCaption("重置");
    cmdCancel_Exponent.place(4560, 3660, 1200, 420, tab, page);
}

void ExponentialFamily::txtA_Exponent_Change() {
    if (txtA_Exponent[0].text().empty()) return;
    const double a = readBox(txtA_Exponent[0]), h = readBox(txtA_Exponent[1]), k = readBox(txtA_Exponent[2]);
    if (!ValidBase(a) || !drawable(h) || !drawable(k)) return;
    ShowRange(txtXmin_Exponent, txtXmax_Exponent, SuggestExponentialRange(a, h, k, graph_.frame));
}

void ExponentialFamily::cmdCancel_Exponent_Click() {
    txtA_Exponent[0].setText("");
    txtXmin_Exponent.setText("");
    txtXmax_Exponent.setText("");
}

void ExponentialFamily::loadRecord(int index) {
    const ExpRecord& r = records.get(index);
    txtA_Exponent[0].setText(common::NumberText(r.a));
    txtA_Exponent[1].setText(common::NumberText(r.h));
    txtA_Exponent[2].setText(common::NumberText(r.k));
    ShowRange(txtXmin_Exponent, txtXmax_Exponent, {r.xFrom, r.xTo});
    graph_.showLineLook(r.look);
}

void ExponentialFamily::render(SlideContext& slide, int index) {
    RenderExponential(slide, records.get(index));
}

}  // namespace graph
