// The trigonometric tab's controls, option handlers, reset and replay.
#include "common/numbers.h"
#include "common/text.h"
#include "quillon4ppt/formula/equation_bridge.h"
#include "quillon4ppt/graph/curves/trig.h"

namespace graph {
namespace {

constexpr std::array<const char*, 8> kCaptions = {"正弦函数",   "余弦函数",   "正切函数",   "余切函数",
                                                  "反正弦函数", "反余弦函数", "反正切函数", "反余切函数"};
// The formula pictures, drawn by the program as text.
constexpr std::array<const char*, 8> kFormulas = {"y=Asin(ωx+φ)+k", "y=Acos(ωx+φ)+k", "y=Atan(ωx+φ)+k",
                                                  "y=Acot(ωx+φ)+k", "y=arcsin x",     "y=arccos x",
                                                  "y=arctan x",     "y=arccot x"};
constexpr const char* kHelp =
    "弧度制中圆周率π用字母PI表示，如2π表示为2*PI，若取消上选项，则按角度制输入角，30度只需输入为30即可";

}  // namespace

std::deque<forms::OptionButton> TrigFamily::options(frmGraph& g, const std::string& name, int count,
                                                    int group) {
    std::deque<forms::OptionButton> out;
    for (int i = 0; i < count; ++i) out.emplace_back(g, name + "(" + std::to_string(i) + ")", group);
    return out;
}

TrigFamily::TrigFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    bindEvents();
    optType_SJ[0].setValue(true);
    cmdCancel_sin_Click();
}

TrigFamily::~TrigFamily() = default;

void TrigFamily::declareLayout() {
    const forms::Control* page = &graph_.SSTab1;
    const int tab = kTabTrig;
    fraType_SJ.setCaption("请选择函数类型");
    fraType_SJ.place(120, 120, 5880, 900, page, tab);
    for (int i = 0; i < 8; ++i) {
        optType_SJ[i].setCaption(kCaptions[i]);
        optType_SJ[i].place(120 + (i % 4) * 1440, 240 + (i / 4) * 300, 1380, 270, &fraType_SJ);
        Image3[i].setCaption(kFormulas[i]);
        Image3[i].place(120, 1080, 2400, 330, page, tab);
    }
    const std::array<forms::TextBox*, 4> boxes = {&txtA_sin, &txtW_sin, &txtF_sin, &txtK_sin};
    const std::array<const char*, 4> names = {"A=", "ω=", "φ=", "k="};
    for (int i = 0; i < 4; ++i) {
        labParam_SJ[i].setCaption(names[i]);
        labParam_SJ[i].place(2640 + i * 840, 1120, 300, 255, page, tab);
        boxes[i]->place(2940 + i * 840, 1080, 480, 330, page, tab);
    }
    chkHD_SJ.setCaption("所有角均按弧度制输入");
    chkHD_SJ.place(120, 1500, 2700, 270, page, tab);
    labHelp_SJ.setCaption(kHelp);
    labHelp_SJ.place(120, 1800, 5880, 510, page, tab);
    optFW[0].setCaption("按给定周期数作图");
    optFW[1].setCaption("在给定范围内作图");
    for (int i = 0; i < 2; ++i) optFW[i].place(120 + i * 2940, 2400, 2700, 270, page, tab);
    const std::array<const char*, 3> ways = {"左右对称", "指定起点", "五点法"};
    for (int i = 0; i < 3; ++i) {
        optFS[i].setCaption(ways[i]);
        optFS[i].place(120 + i * 1440, 2760, 1380, 270, page, tab);
    }
    optFS[0].toolTipText = "定义域关于原点左右对称";
    optFS[2].toolTipText = "从wx+φ=0作为起点，画指定个周期的图像";
    labPeriods_SJ.setCaption("周期数");
    labPeriods_SJ.place(120, 3180, 720, 255, page, tab);
    txtXmin_SJ.place(840, 3120, 900, 330, page, tab);
    labStart_SJ.setCaption("起点");
    labStart_SJ.place(1920, 3180, 600, 255, page, tab);
    Image_sj_fw.setCaption("≤ x ≤");
    Image_sj_fw.place(1800, 3160, 720, 330, page, tab);
    txtXmax_SJ.place(2580, 3120, 900, 330, page, tab);
    cmdOK_sin.setCaption("确定");
    cmdOK_sin.place(3360, 3660, 1200, 420, page, tab);
    cmdCancel_sin.setCaption("重置");
    cmdCancel_sin.place(4680, 3660, 1200, 420, page, tab);
}

void TrigFamily::bindEvents() {
    for (int i = 0; i < 8; ++i) optType_SJ[i].Click = [this, i] { optType_SJ_Click(i); };
    for (int i = 0; i < 2; ++i) optFW[i].Click = [this, i] { optFW_Click(i); };
    for (int i = 0; i < 3; ++i) optFS[i].Click = [this, i] { optFS_Click(i); };
    txtXmin_SJ.Change = [this] { txtXmin_SJ_Change(); };
    txtXmax_SJ.Change = [this] { txtXmax_SJ_Change(); };
    cmdOK_sin.Click = [this] { cmdOK_sin_Click(); };
    cmdCancel_sin.Click = [this] { cmdCancel_sin_Click(); };
}

int TrigFamily::selectedType() const {
    for (int i = 0; i < 8; ++i)
        if (optType_SJ[i].value()) return i;
    return 0;
}

void TrigFamily::optType_SJ_Click(int index) {
    for (int i = 0; i < 8; ++i) Image3[i].setVisible(i == index);
    if (index <= kCosine) {
        optFW[0].setEnabled(true);
        optFW[0].setValue(true);
        optFW_Click(0);
    } else if (index <= kCotangent) {
        optFW[0].setEnabled(true);
        optFW[0].setValue(true);
        optFS[2].setVisible(false);
        optFS[0].setValue(true);
        txtXmin_SJ.setEnabled(true);
    } else {
        optFW[0].setEnabled(false);
        optFW[1].setValue(true);
        const bool arc = index <= kArccosine;
        txtXmin_SJ.setText(arc ? "-1" : common::NumberText(graph_.frame.xMin));
        txtXmax_SJ.setText(arc ? "1" : common::NumberText(graph_.frame.xMax));
    }
}

void TrigFamily::optFW_Click(int index) {
    if (index == 0) {
        optFS[2].setValue(true);
        for (auto& o : optFS) o.setVisible(true);
        labPeriods_SJ.setVisible(true);
        labStart_SJ.setVisible(false);
        txtXmax_SJ.setVisible(false);
        Image_sj_fw.setVisible(false);
        txtXmin_SJ.setText("1");
        txtXmin_SJ.setEnabled(false);
        return;
    }
    for (auto& o : optFS) o.setVisible(false);
    labPeriods_SJ.setVisible(false);
    labStart_SJ.setVisible(false);
    txtXmin_SJ.setVisible(true);
    txtXmax_SJ.setVisible(true);
    Image_sj_fw.setVisible(true);
    txtXmin_SJ.setEnabled(true);
    txtXmin_SJ.setText("0");
    txtXmax_SJ.setText(chkHD_SJ.checked() ? "2*PI" : "360");
}

void TrigFamily::optFS_Click(int index) {
    optFS[0].setVisible(true);
    optFS[1].setVisible(true);
    labPeriods_SJ.setVisible(true);
    labStart_SJ.setVisible(index == 1);
    txtXmax_SJ.setVisible(index == 1);
    Image_sj_fw.setVisible(false);
    txtXmin_SJ.setText("1");
    txtXmin_SJ.setEnabled(index != 2);
    if (index == 1) txtXmax_SJ.setText("0");
}

void TrigFamily::clampArcRange(forms::TextBox& box, bool upper) {
    const int type = selectedType();
    if (type != kArcsine && type != kArccosine) return;
    const double v = common::Val(box.text());
    if (upper && (v > 1 || v <= -1)) box.setText("1");
    if (!upper && (v < -1 || v >= 1)) box.setText("-1");
}

void TrigFamily::txtXmin_SJ_Change() {
    clampArcRange(txtXmin_SJ, false);
}
void TrigFamily::txtXmax_SJ_Change() {
    clampArcRange(txtXmax_SJ, true);
}

void TrigFamily::cmdCancel_sin_Click() {
    txtA_sin.setText("1");
    txtW_sin.setText("1");
    txtF_sin.setText("0");
    txtK_sin.setText("0");
    chkHD_SJ.setValue(1);
    optFW[0].setValue(true);
}

void TrigFamily::loadRecord(int index) {
    const TrigRecord& r = records.get(index);
    graph_.showLineLook(r.look);
    optType_SJ[r.type].setValue(true);
    chkHD_SJ.setValue(r.radians ? 1 : 0);
    const std::array<forms::TextBox*, 4> boxes = {&txtA_sin, &txtW_sin, &txtF_sin, &txtK_sin};
    for (int i = 0; i < 4; ++i) boxes[i]->setText(r.typed[i]);
    if (r.type < kArcsine) {
        optFW[r.mode].setValue(true);
        if (r.mode == 0) optFS[r.periodsChoice].setValue(true);
    }
    txtXmin_SJ.setText(r.rangeFrom);
    txtXmax_SJ.setText(r.rangeTo);
}

formula::EquationBridge& TrigFamily::bridge() {
    if (!bridge_) bridge_ = std::make_unique<formula::EquationBridge>(graph_.program().environment().home);
    return *bridge_;
}

void TrigFamily::render(SlideContext& slide, int index) {
    const TrigRecord& r = records.get(index);
    const bool labelled = !r.keyPoints.empty() && graph_.program().MathTypeFound;
    RenderTrig(slide, graph_.program().host(), labelled ? &bridge() : nullptr, r);
}

}  // namespace graph
