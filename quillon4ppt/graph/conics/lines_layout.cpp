// Where the controls of the lines tab stand, in twips on its page.
#include "quillon4ppt/graph/conics/lines_family.h"
#include "quillon4ppt/graph/frm_graph.h"

namespace graph {
namespace {

constexpr const char* kFormCaptions[] = {"斜截式", "点斜式", "两点式", "截距式",
                                         "点向式", "点法式", "一般式"};
constexpr const char* kEquations[] = {"y=kx+b",    "y-y₀=k(x-x₀)",      "(y-y₁)/(y₂-y₁)=(x-x₁)/(x₂-x₁)",
                                      "x/a+y/b=1", "(x-x₀)/u=(y-y₀)/v", "A(x-x₀)+B(y-y₀)=0",
                                      "Ax+By+C=0"};
// The right edges the two parameter captions keep.
constexpr int kFirstCaptionEnd = 1320, kSecondCaptionEnd = 4080;
constexpr int kRowHeight = 300, kBoxWidth = 1320;

// Wide enough for the longest caption ("点P1的坐标"); the text keeps to the right edge.
constexpr int kCaptionWidth = 1260;

// The caption's right edge stays where its box begins.
void setRightAligned(forms::Label& label, const std::string& caption, int rightEdge) {
    label.layout.width = kCaptionWidth;
    label.layout.left = rightEdge - kCaptionWidth;
    label.alignment = 1;
    label.setCaption(caption);
}

}  // namespace

void LineFamily::setParameterCaptions(const std::string& first, const std::string& second) {
    setRightAligned(graph_.Label[9], first, kFirstCaptionEnd);
    setRightAligned(graph_.Label[10], second, kSecondCaptionEnd);
}

void LineFamily::declareLayout() {
    const forms::Control* page = &graph_.SSTab1;
    const int tab = kTabLines;
    fraType_ZX.setCaption("请选择直线方程的形式:");
    fraType_ZX.place(120, 120, 5880, 1080, page, tab);
    for (int i = 0; i < optType_ZX.size(); ++i) {
        optType_ZX[i].setCaption(kFormCaptions[i]);
        optType_ZX[i].place(120 + (i % 4) * 1440, 300 + (i / 4) * 360, 1200, kRowHeight, &fraType_ZX);
        Image1[i].setCaption(kEquations[i]);
        Image1[i].place(240, 1320, 5640, 360, page, tab);
    }
    auto& labels = graph_.Label;
    labels[9].place(kFirstCaptionEnd, 1950, 0, 255, page, tab);
    txtZX[0].place(kFirstCaptionEnd + 60, 1890, kBoxWidth, 330, page, tab);
    labels[10].place(kSecondCaptionEnd, 1950, 0, 255, page, tab);
    txtZX[1].place(kSecondCaptionEnd + 60, 1890, kBoxWidth, 330, page, tab);
    labels[11].place(kFirstCaptionEnd, 2490, 0, 255, page, tab);
    setRightAligned(labels[11], "C=", kFirstCaptionEnd);
    txtZX[2].place(kFirstCaptionEnd + 60, 2430, kBoxWidth, 330, page, tab);
    chkXD.setCaption("画经过两点的线段");
    chkXD.place(2880, 2445, 2520, kRowHeight, page, tab);
    txtZX[3].place(kFirstCaptionEnd + 60, 2970, 1080, 330, page, tab);
    labels[12].place(2520, 3030, 660, 255, page, tab);
    txtZX[4].place(3240, 2970, 1080, 330, page, tab);
    cmdOK_ZX[0].setCaption("确定");
    cmdOK_ZX[0].place(3120, 3660, 1200, 420, page, tab);
    cmdOK_ZX[1].setCaption("重置");
    cmdOK_ZX[1].place(4560, 3660, 1200, 420, page, tab);
}

}  // namespace graph
