// The plot list's commands: insertion into the slide, deletion by replay, reset.
#include <optional>

#include "common/text.h"
#include "platform/office/host.h"
#include "quillon4ppt/graph/axes_renderer.h"
#include "quillon4ppt/graph/frm_graph.h"
#include "quillon4ppt/graph/plot_entries.h"

namespace graph {
namespace {

constexpr const char* kInsertingCaption = "正在绘制函数图像，请稍候 :-)";
constexpr const char* kInsertedCaption = "图像插入PPT已经完成！";
constexpr const char* kNothingInsertedCaption = "没有可插入PPT的图像。";
constexpr const char* kInsertFailedCaption = "图像插入PPT未能完成。";
constexpr const char* kNothingSelected = "您没有选择任何需要删除的对象";
constexpr const char* kResetQuestion =
    "重置操作将取消当前所有作图操作并返回到初始状态，您确信您要执行重置操作吗？";

std::vector<std::string> namedShapes(const InsertedShapeNames& names) {
    std::vector<std::string> out;
    for (const auto& n : names.names())
        if (!n.empty()) out.push_back(n);
    return out;
}

}  // namespace

void frmGraph::insertList() {
    SlideContext slide{program_.slideHost(), frame, shapeNames, program_.AxisSettings};
    // Every item lands where it would beside the axes, whether they are listed,
    // hidden or deleted, and whatever earlier insertions did.
    ComputeSlideFrame(frame, program_.host().activePresentation().slideWidth(),
                      program_.host().activePresentation().slideHeight(), program_.AxisSettings.intK,
                      frame.xMax - frame.xMin);
    // A graph put back on its own frame keeps the slide frame it was drawn with, whatever
    // the slide's size; a wider or narrower frame takes the unit that goes with it.
    if (reopened && reopened->slideFrame.xMax - reopened->slideFrame.xMin == frame.xMax - frame.xMin) {
        frame.originX = reopened->slideFrame.originX;
        frame.originY = reopened->slideFrame.originY;
        frame.unitLength = reopened->slideFrame.unitLength;
    }
    // The graph put back goes before anything is added: the new group may come to bear
    // its name, and live, Impress records a removal only before the command adds shapes.
    const std::optional<StandingGraph> old = standingReopened(slide.host);
    if (old) slide.host.item(old->position)->remove();
    for (const auto& text : List1.items()) {
        PlotEntry entry = parseEntry(text);
        if (entry.key == "ZBX") {
            if (!chkNoCoordinate.checked()) RenderAxes(slide, axesItem);
        } else if (PlotFamily* f = family(entry.key)) {
            f->render(slide, entry.index);
        }
    }
    std::vector<std::string> names = namedShapes(shapeNames);
    if (names.size() >= 2) finishGroup(slide, names, old);
    setCaption(names.empty() ? kNothingInsertedCaption : kInsertedCaption);
}

void frmGraph::cmdOK_Click() {
    setCaption(kInsertingCaption);
    try {
        insertList();
        shapeNames.ResetShapeNames();
    } catch (const office::HostError& e) {
        shapeNames.ResetShapeNames();
        setCaption(kInsertFailedCaption);
        dialogs().msgBox(common::ShownText(e));
    }
    program_.slideChanged();
}

void frmGraph::cmdResult_Click() {
    const std::string entry = List1.text();
    if (entry.empty()) {
        dialogs().msgBox(kNothingSelected);
        return;
    }
    deleteEntry(entry);
}

// The item is drawn again in the canvas colour, which erases it from the preview.
void frmGraph::deleteEntry(const std::string& text) {
    replaying([&] { replayEntry(text); });
}

void frmGraph::replaying(const std::function<void()>& replay) {
    const std::string weight = Combo1.text(), style = Combo2.text();
    const common::Rgb color = lineColor();
    RecordItems = false;
    try {
        replay();
    } catch (...) {
        restoreLineStyle(weight, style, color);
        throw;
    }
    restoreLineStyle(weight, style, color);
}

void frmGraph::drawAgain(PlotFamily& f, int index) {
    const std::int16_t saved = f.counter;
    f.counter = static_cast<std::int16_t>(index);
    try {
        f.draw();
    } catch (...) {
        f.counter = saved;
        throw;
    }
    f.counter = saved;
}

void frmGraph::replayEntry(const std::string& text) {
    PlotEntry entry = parseEntry(text);
    List1.removeItem(List1.listIndex());
    if (common::lowerAscii(entry.key) == "zbx") {
        chkNoCoordinate.setValue(1);
        return;
    }
    PlotFamily* f = family(entry.key);
    if (!f) return;
    f->loadRecord(entry.index);
    labColor.setBackColor(Picture1.backColor);
    drawAgain(*f, entry.index);
}

void frmGraph::restoreLineStyle(const std::string& weight, const std::string& style, common::Rgb color) {
    RecordItems = true;
    Combo1.setText(weight);
    Combo2.setText(style);
    labColor.setBackColor(color);
}

void frmGraph::cmdReset_Click() {
    if (dialogs().msgBox(kResetQuestion, forms::Buttons::OkCancel) != forms::Answer::Ok) return;
    List1.clear();
    Form_Load();
}

}  // namespace graph
