// The free-expression tab's controls, options, reset and replay.
#include <algorithm>

#include "common/numbers.h"
#include "quillon4ppt/graph/curves/expression_family.h"

namespace graph {
namespace {

constexpr const char* kPrompt = "请输入函数表达式：                          请输入x的取值范围：";
constexpr const char* kNote =
    "注意：本函数不作边界检查，请自行检查x或y的取值范围是否包含函数定义域之外的点。(如果含有末定义的点,"
    "可能画出的图像有误)";

}  // namespace

ExpressionFamily::ExpressionFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    bindEvents();
    optFX.setValue(true);
    showVariable(false);
}

void ExpressionFamily::declareLayout() {
    const forms::Control* page = &graph_.SSTab1;
    const int tab = kTabExpression;
    // The options have no captions of their own; the forms beside them say which is which.
    optFX.place(120, 240, 300, 330, page, tab);
    labFX.setCaption("y=f(x)");
    labFX.place(420, 280, 1200, 255, page, tab);
    optFY.place(1800, 240, 300, 330, page, tab);
    labFY.setCaption("x=f(y)");
    labFY.place(2100, 280, 1200, 255, page, tab);
    labPrompt_Any.setCaption(kPrompt);
    labPrompt_Any.place(120, 780, 5880, 255, page, tab);
    // Each pair shares one place: the chosen form shows one of them.
    for (forms::Image* img : {&imgFX, &imgFY}) img->place(120, 1260, 420, 330, page, tab);
    imgFX.setCaption("y=");
    imgFY.setCaption("x=");
    txtExp.place(540, 1200, 2700, 330, page, tab);
    txtXmin_Any.place(3420, 1200, 900, 330, page, tab);
    for (forms::Image* img : {&imgX, &imgY}) img->place(4380, 1260, 720, 330, page, tab);
    imgX.setCaption("≤ x ≤");
    imgY.setCaption("≤ y ≤");
    txtXmax_Any.place(5100, 1200, 900, 330, page, tab);
    labNote_Any.setCaption(kNote);
    labNote_Any.place(120, 1800, 5880, 780, page, tab);
    Label[23].place(120, 2760, 5880, 255, page, tab);
    cmdOK_Any.setCaption("确定");
    cmdOK_Any.place(3360, 3660, 1200, 420, page, tab);
    cmdCancel_Any.setCaption("重置");
    cmdCancel_Any.place(4680, 3660, 1200, 420, page, tab);
}

void ExpressionFamily::bindEvents() {
    optFX.Click = [this] { optFX_Click(); };
    optFY.Click = [this] { optFY_Click(); };
    cmdOK_Any.Click = [this] { cmdOK_Any_Click(); };
    cmdCancel_Any.Click = [this] { cmdCancel_Any_Click(); };
}

void ExpressionFamily::showVariable(bool y) {
    imgFX.setVisible(!y);
    imgX.setVisible(!y);
    imgFY.setVisible(y);
    imgY.setVisible(y);
}

void ExpressionFamily::cmdCancel_Any_Click() {
    txtExp.setText("");
    txtXmin_Any.setText(common::NumberText(graph_.frame.xMin));
    txtXmax_Any.setText(common::NumberText(graph_.frame.xMax));
}

void ExpressionFamily::loadRecord(int index) {
    const AnyRecord& r = records.get(index);
    std::string shown = r.expression;
    if (r.kind == 1) std::replace(shown.begin(), shown.end(), 'x', 'y');
    (r.kind == 1 ? optFY : optFX).setValue(true);
    txtExp.setText(shown);
    txtXmin_Any.setText(common::NumberText(r.vFrom));
    txtXmax_Any.setText(common::NumberText(r.vTo));
    graph_.showLineLook(r.look);
}

void ExpressionFamily::render(SlideContext& slide, int index) {
    RenderExpression(slide, records.get(index));
}

}  // namespace graph
