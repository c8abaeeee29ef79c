#include "quillon4ppt/graph/frm_graph.h"

#include <algorithm>
#include <cmath>

#include "common/numbers.h"
#include "common/text.h"
#include "quillon4ppt/graph/samples.h"

namespace graph {

namespace {
const char* const kTabCaptions[] = {"三角函数", " 直线",    "反比例函数", "作图结果", "幂函数", "指数函数",
                                    "对数函数", "任意函数", "圆",         "椭圆",     "双曲线", "抛物线"};
// The axis lengths the spinners and the length boxes allow.
constexpr int kShortestAxis = 2, kLongestAxis = 100;
}  // namespace

frmGraph::frmGraph(launch::Program& program) : Form("frmGraph", program.dialogs()), program_(program) {
    for (int w = 1; w <= 10; ++w) Combo1.addItem(std::to_string(w));
    for (int s = 1; s <= 5; ++s) Combo2.addItem(std::to_string(s));
    SSTab1.captions.assign(std::begin(kTabCaptions), std::end(kTabCaptions));
    SSTab1.tabVisible.assign(SSTab1.captions.size(), false);
    SSTab1.tabVisible[kTabResults] = true;
    for (int i = 0; i < 2; ++i) {
        udLenOfAxis[i].min = kShortestAxis;
        udLenOfAxis[i].max = kLongestAxis;
        udLenOfAxis[i].increment = 2;
    }
    labColor.opaque = true;
    declareLayout();
    setCaption(kDefaultCaption);
    bindEvents();
    addFamilies(*this);
    Form_Load();
    reopenSelectedGraph();
}

frmGraph::~frmGraph() = default;

void frmGraph::addFamily(std::unique_ptr<PlotFamily> family) {
    if (family->tab() >= 0) SSTab1.setTabVisible(family->tab(), true);
    families_.push_back(std::move(family));
}

PlotFamily* frmGraph::family(const std::string& key) const {
    std::string wanted = common::lowerAscii(key);
    for (const auto& f : families_)
        if (common::lowerAscii(f->key()) == wanted) return f.get();
    return nullptr;
}

void frmGraph::bindEvents() {
    HScrollx.Change = [this] { HScrollx_Change(); };
    HScrolly.Change = [this] { HScrolly_Change(); };
    txtLenOfAxis_x.KeyPress = [this](int& k) { txtLenOfAxis_KeyPress(1, k); };
    txtLenOfAxis_y.KeyPress = [this](int& k) { txtLenOfAxis_KeyPress(0, k); };
    txtLenOfAxis_x.LostFocus = [this] { txtLenOfAxis_LostFocus(1); };
    txtLenOfAxis_y.LostFocus = [this] { txtLenOfAxis_LostFocus(0); };
    for (int i = 0; i < 2; ++i) {
        udLenOfAxis[i].UpClick = [this, i] { udLenOfAxis_UpClick(i); };
        udLenOfAxis[i].DownClick = [this, i] { udLenOfAxis_DownClick(i); };
    }
    chkDrawScale.Click = [this] { chkDrawScale_Click(); };
    chkNoCoordinate.Click = [this] { chkNoCoordinate_Click(); };
    cmdCls.Click = [this] { cmdCls_Click(); };
    Combo1.Change = Combo1.Click = [this] { Combo1_Change(); };
    Combo2.Change = Combo2.Click = [this] { Combo2_Change(); };
    cmdChangeColor.Click = labColor.Click = labColor.Change = [this] { cmdChangeColor_Click(); };
    SSTab1.Click = [this] { SSTab1_Click(); };
    cmdOK.Click = [this] { cmdOK_Click(); };
    cmdResult.Click = [this] { cmdResult_Click(); };
    cmdReset.Click = [this] { cmdReset_Click(); };
    cmdCancel.Click = [this] { cmdCancel_Click(); };
    cmdDrawPoint.Click = [this] {
        if (auto* points = family("POINT")) points->draw();
    };
}

void frmGraph::Form_Load() {
    txtLenOfAxis_y.setText("10");
    txtLenOfAxis_x.setText("10");
    Combo1.setText(std::to_string(program_.AxisSettings.intLine));
    Combo2.setText("1");
    labColor.setBackColor(common::kBlack);
    chkNoCoordinate.setValue(0);
    chkDrawScale.setValue(0);
    chkMultImage.setValue(1);
    frame.xMin = -5, frame.xMax = 5, frame.yMin = -5, frame.yMax = 5;
    // The spinners and scroll bars start over with the frame, so they agree with it.
    for (int i = 0; i < 2; ++i) udLenOfAxis[i].setValue(10);
    HScrollx.setRange(-5, 5);
    HScrolly.setRange(-5, 5);
    SetPreviewScale();
    Picture1.drawWidth = 1;
    Picture1.drawStyle = 0;
    Picture1.backColor = common::kWhite;
    Picture1.cls();
    Line1.setColor(lineColor());
    Line1.setStyle(lineStyleValue());
    // The canvas draws in the width Combo1 shows, as after the teacher's own choice.
    Combo1_Change();
    DrawAxes("new");
    SSTab1.setTab(kTabResults);
    axesItem.drawScale = 0;
    axesItem.lineStyle = 0;
    axesItem.lineWeight = program_.AxisSettings.intLine;
    axesItem.color = lineColor();
    List1.addItem(kAxesEntry);
}

int frmGraph::lineStyleValue() const {
    return common::CInt(common::Val(Combo2.text()));
}
int frmGraph::lineWeightValue() const {
    return common::CInt(common::Val(Combo1.text()));
}

LineLook frmGraph::lineLook() const {
    return {static_cast<std::int16_t>(lineStyleValue()), static_cast<std::int16_t>(lineWeightValue()),
            lineColor()};
}

void frmGraph::showLineLook(const LineLook& look) {
    Combo1.setText(std::to_string(look.weight));
    Combo2.setText(std::to_string(look.style));
    labColor.setBackColor(look.color);
}

void frmGraph::listItem(PlotFamily& family) {
    if (!RecordItems) return;
    List1.addItem(family.label() + common::NumberText(family.counter));
    ++family.counter;
}

bool frmGraph::beginCurve(double lowest, double highest) {
    CurveExtents.cyMin = lowest;
    CurveExtents.cyMax = highest;
    if (!extentsFit(CurveExtents) || outOfFrameDeclined()) return false;
    if (!chkMultImage.checked()) cmdCls_Click();
    return true;
}

bool frmGraph::fitsSlide(const graph::CurveExtents& e) {
    if (!RecordItems || slideHolds(e.cxMin, e.cxMax, e.cyMin, e.cyMax)) return true;
    dialogs().msgBox(kTooLargeMessage);
    return false;
}

bool frmGraph::extentsFit(const graph::CurveExtents& e) {
    if (!fitsSlide(e)) return false;
    if (RecordItems && !Samplable(e.cxMin, e.cxMax)) {
        showRangeError();
        return false;
    }
    return true;
}

CoordinateFrame frmGraph::slideFrame() {
    CoordinateFrame f = frame;
    office::Presentation& deck = program_.host().activePresentation();
    ComputeSlideFrame(f, deck.slideWidth(), deck.slideHeight(), program_.AxisSettings.intK, f.xMax - f.xMin);
    // A graph put back on its own frame keeps the slide frame it was drawn with, whatever
    // the slide's size; a wider or narrower frame takes the unit that goes with it.
    if (reopened && reopened->slideFrame.xMax - reopened->slideFrame.xMin == f.xMax - f.xMin) {
        f.originX = reopened->slideFrame.originX;
        f.originY = reopened->slideFrame.originY;
        f.unitLength = reopened->slideFrame.unitLength;
    }
    return f;
}

// The insertion takes what it finds then, all or nothing.
bool frmGraph::slideHolds(double xLow, double xHigh, double yLow, double yHigh) {
    try {
        return SlideHolds(slideFrame(), xLow, xHigh, yLow, yHigh);
    } catch (const office::HostError&) {
        return true;
    }
}

void frmGraph::redrawFrame() {
    SetPreviewScale();
    DrawAxes("new");
    if (chkDrawScale.checked()) DrawScale("new");
}

// The bar's new range may clamp its value, and its return to 0 changes it again: those
// changes only redraw, so one move shifts the frame once.
void frmGraph::scrollFrame(forms::ScrollBar& bar, std::int16_t& low, std::int16_t& high) {
    Picture1.cls();
    const int v = rebarring_ ? 0 : bar.value();
    if (v != 0) {
        low = common::CInt(low - v);
        high = common::CInt(high - v);
        rebarring_ = true;
        struct Done {
            bool& flag;
            ~Done() { flag = false; }
        } done{rebarring_};
        bar.setRange(low, high);
        bar.setValue(0);
    }
    redrawFrame();
}

void frmGraph::HScrollx_Change() {
    scrollFrame(HScrollx, frame.xMin, frame.xMax);
}
void frmGraph::HScrolly_Change() {
    scrollFrame(HScrolly, frame.yMin, frame.yMax);
}

void frmGraph::txtLenOfAxis_KeyPress(int axis, int keyAscii) {
    if (keyAscii == 13) resizeAxis(axis);
}

void frmGraph::txtLenOfAxis_LostFocus(int axis) {
    resizeAxis(axis);
}

// axis 0 is y, 1 is x, as the spinners are numbered.
void frmGraph::resizeAxis(int axis) {
    forms::TextBox& box = axis == 1 ? txtLenOfAxis_x : txtLenOfAxis_y;
    forms::UpDown& spinner = udLenOfAxis[axis];
    std::int16_t& low = axis == 1 ? frame.xMin : frame.yMin;
    std::int16_t& high = axis == 1 ? frame.xMax : frame.yMax;
    const int old = high - low;
    Picture1.cls();
    // Lengths are whole and even, and stay within the spinner's range, so the frame
    // keeps whole ends and a positive width.
    const double typed = common::Val(common::trimBlanks(box.text()));
    double length = common::roundHalfEven(typed);
    if (std::fmod(length, 2) != 0) length = length > spinner.value() ? length + 1 : length - 1;
    length = std::clamp(length, static_cast<double>(spinner.min), static_cast<double>(spinner.max));
    if (length != typed) box.setText(common::PlainNumberText(length));
    spinner.setValue(static_cast<int>(length));
    const int d = (static_cast<int>(length) - old) / 2;
    low = common::CInt(low - d);
    high = common::CInt(high + d);
    SetPreviewScale();
    if (chkDrawScale.checked()) DrawScale("new");
    DrawAxes("new");
}

void frmGraph::spinAxis(int index, int delta) {
    Picture1.cls();
    std::int16_t& low = index == 1 ? frame.xMin : frame.yMin;
    std::int16_t& high = index == 1 ? frame.xMax : frame.yMax;
    low = common::CInt(low - delta);
    high = common::CInt(high + delta);
    SetPreviewScale();
    (index == 1 ? txtLenOfAxis_x : txtLenOfAxis_y).setText(std::to_string(udLenOfAxis[index].value()));
    if (chkDrawScale.checked()) DrawScale("new");
    DrawAxes("new");
}

void frmGraph::udLenOfAxis_UpClick(int index) {
    spinAxis(index, 1);
}
void frmGraph::udLenOfAxis_DownClick(int index) {
    spinAxis(index, -1);
}

void frmGraph::chkDrawScale_Click() {
    if (chkDrawScale.checked()) {
        DrawScale("del");
        DrawScale("new");
        axesItem.drawScale = -1;
    } else {
        DrawScale("del");
        axesItem.drawScale = 0;
        if (!chkNoCoordinate.checked()) DrawAxes("new");
    }
}

void frmGraph::chkNoCoordinate_Click() {
    if (chkNoCoordinate.checked()) {
        DrawAxes("del");
        chkDrawScale.setValue(0);
        DrawScale("del");
    } else {
        DrawAxes("new");
    }
}

void frmGraph::cmdCls_Click() {
    Picture1.cls();
    if (chkDrawScale.checked()) DrawScale("new");
    if (!chkNoCoordinate.checked()) DrawAxes("new");
}

void frmGraph::Combo1_Change() {
    const int w = lineWeightValue();
    if (w < 2) {
        Combo2.setEnabled(true);
    } else {
        Combo2.select(0);
        Combo2.setEnabled(false);
    }
    Picture1.drawWidth = std::max(1, w);
    Line1.setWidth(w);
}

void frmGraph::Combo2_Change() {
    const int s = lineStyleValue();
    if (s > 1) Combo1.setText("1");
    Picture1.drawStyle = std::clamp(s - 1, 0, 4);
    Line1.setStyle(s);
}

void frmGraph::cmdChangeColor_Click() {
    if (auto chosen = dialogs().chooseColor(lineColor())) {
        labColor.setBackColor(*chosen);
        Line1.setColor(*chosen);
    }
}

void frmGraph::SSTab1_Click() {
    for (const auto& f : families_)
        if (f->tab() == SSTab1.tab()) f->reset();
}

void frmGraph::cmdCancel_Click() {
    unload();
    program_.ExitProgram();
}

}  // namespace graph
