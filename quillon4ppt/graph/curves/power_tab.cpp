// The power tab's controls, forms, range suggestion, reset and replay.
#include "common/numbers.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/curves/power.h"

namespace graph {

PowerFamily::PowerFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    bindEvents();
}

void PowerFamily::declareLayout() {
    const forms::Control* tab = &graph_.SSTab1;
    const int page = kTabPower;
    optXn_Power.place(120, 270, 300, 300, tab, page);
    imgXn_Power.setCaption("y = xⁿ");
    imgXn_Power.place(420, 240, 1300, 360, tab, page);
    optXmn_Power.place(2100, 270, 300, 300, tab, page);
    imgXmn_Power.setCaption("y = x^(n/m)");
    imgXmn_Power.place(2400, 240, 1500, 360, tab, page);
    imgN_Power.setCaption("n =");
    imgN_Power.place(120, 900, 480, 330, tab, page);
    txtN_Power.place(600, 840, 1000, 330, tab, page);
    imgM_Power.setCaption("m =");
    imgM_Power.place(2040, 900, 480, 330, tab, page);
    txtM_Power.place(2520, 840, 1000, 330, tab, page);
    imgRange_Power.setCaption("x的取值范围：");
    imgRange_Power.place(120, 1560, 1500, 330, tab, page);
    txtXmin_Power.place(120, 1980, 1000, 330, tab, page);
    imgX_Power.setCaption("≤ x ≤");
    imgX_Power.place(1200, 2040, 900, 330, tab, page);
    txtXmax_Power.place(2160, 1980, 1000, 330, tab, page);
    cmdOK_Pwoer.setCaption("确定");
    cmdOK_Pwoer.place(3120, 3660, 1200, 420, tab, page);
    cmdCancel_Power.setCaption("重置");
    cmdCancel_Power.place(4560, 3660, 1200, 420, tab, page);
}

void PowerFamily::bindEvents() {
    optXn_Power.Click = [this] { optXn_Power_Click(); };
    optXmn_Power.Click = [this] { optXmn_Power_Click(); };
    txtN_Power.Change = [this] { txtN_Power_Change(); };
    txtM_Power.Change = [this] {
        if (!txtN_Power.text().empty() && !txtM_Power.text().empty()) txtN_Power_Change();
    };
    cmdOK_Pwoer.Click = [this] { cmdOK_Pwoer_Click(); };
    cmdCancel_Power.Click = [this] { cmdCancel_Power_Click(); };
}

// The options stand in no common container, so each clears the other itself. The
// range stays as the teacher typed it: only a new n or m suggests one.
void PowerFamily::chooseForm(PowerForm form) {
    (form == kPowerXn ? optXmn_Power : optXn_Power).setValue(false);
    txtM_Power.setVisible(form == kPowerXmn);
    imgM_Power.setVisible(form == kPowerXmn);
    graph_.EquationFormKey = form == kPowerXn ? "Xn" : "Xmn";
}

std::optional<PowerCurve> PowerFamily::typedCurve(PowerForm form) {
    const auto n = WholeInt16(readBox(txtN_Power)), m = WholeInt16(readBox(txtM_Power));
    std::optional<PowerCurve> curve;
    if (n && (form == kPowerXn || m)) curve = PowerCurve::make(form, *n, m.value_or(0));
    if (!curve) graph_.showRangeError();
    return curve;
}

void PowerFamily::txtN_Power_Change() {
    if (loading_ || txtN_Power.text().empty()) return;
    if (!WholeInt16(readBox(txtN_Power))) {
        graph_.showRangeError();
        return;
    }
    const std::optional<PowerForm> form = PowerFormOf(graph_.EquationFormKey);
    if (!form || (*form == kPowerXmn && txtM_Power.text().empty())) return;
    if (const auto curve = typedCurve(*form))
        ShowRange(txtXmin_Power, txtXmax_Power, SuggestPowerRange(*curve, graph_.frame));
}

void PowerFamily::cmdCancel_Power_Click() {
    for (forms::TextBox* box : {&txtN_Power, &txtM_Power, &txtXmin_Power, &txtXmax_Power}) box->setText("");
    chooseOption(optXn_Power, [this] { optXn_Power_Click(); });
}

// The stored range is drawn as it was: no suggestion while the boxes fill.
void PowerFamily::loadRecord(int index) {
    const PowerRecord& r = records.get(index);
    loading_ = true;
    graph_.showLineLook(r.look);
    const auto form = static_cast<PowerForm>(r.form);
    chooseOption(form == kPowerXn ? optXn_Power : optXmn_Power, [this, form] { chooseForm(form); });
    txtN_Power.setText(common::PlainNumberText(r.n));
    txtM_Power.setText(common::PlainNumberText(r.m));
    txtXmin_Power.setText(common::PlainNumberText(r.xFrom));
    txtXmax_Power.setText(common::PlainNumberText(r.xTo));
    loading_ = false;
}

void PowerFamily::render(SlideContext& slide, int index) {
    RenderPower(slide, records.get(index));
}

}  // namespace graph
