// The parabola tab's controls, options, range proposal, reset and replay.
#include "common/numbers.h"
#include "quillon4ppt/graph/conics/hyperbolas_parabolas_tab.h"
#include "quillon4ppt/graph/conics/parabolas.h"

namespace graph {
namespace {

constexpr const char* kCaptions[] = {"2p=", "x0=", "y0=", "a=", "b=", "c="};
constexpr ParabolaForm kAllForms[] = {ParabolaForm::Px,  ParabolaForm::NPx,  ParabolaForm::Py,
                                      ParabolaForm::NPy, ParabolaForm::Px0,  ParabolaForm::NPx0,
                                      ParabolaForm::Py0, ParabolaForm::NPy0, ParabolaForm::Ax2};

}  // namespace

ParabolaFamily::ParabolaFamily(frmGraph& graph) : graph_(graph) {
    declareLayout();
    bindEvents();
}

void ParabolaFamily::declareLayout() {
    const forms::Control* tab = &graph_.SSTab1;
    const int page = kTabParabola;
    const char* frames[] = {"标准方程", "一般方程", "一般二次型"};
    for (int i = 0; i < 3; ++i) fraPWX[i].setCaption(frames[i]);
    fraPWX[0].place(120, 120, 2820, 1500, tab, page);
    fraPWX[1].place(3060, 120, 2900, 1500, tab, page);
    fraPWX[2].place(120, 1740, 5840, 600, tab, page);
    const char* standard[] = {"y²=2px", "y²=-2px", "x²=2py", "x²=-2py"};
    const char* translated[] = {"(y-y0)²=2p(x-x0)", "(y-y0)²=-2p(x-x0)", "(x-x0)²=2p(y-y0)",
                                "(x-x0)²=-2p(y-y0)"};
    for (int i = 0; i < 4; ++i) {
        forms::OptionButton& o = option(kAllForms[i]);
        o.setCaption(standard[i]);
        o.place(120 + (i % 2) * 1320, 300 + (i / 2) * 540, 1260, 360, &fraPWX[0]);
        forms::OptionButton& t = option(kAllForms[4 + i]);
        t.setCaption(translated[i]);
        t.place(120, 240 + i * 300, 2700, 300, &fraPWX[1]);
    }
    optAx2_PWX.setCaption("y=ax²+bx+c");
    optAx2_PWX.place(120, 210, 3000, 330, &fraPWX[2]);

    for (int i = 0; i < 6; ++i) {
        imgPWX[i].setCaption(kCaptions[i]);
        // The general form's captions stand where the other forms' do.
        imgPWX[i].place(120 + (i % 3) * 1740, 2460, 600, 330, tab, page);
    }
    txt2p.place(720, 2460, 1000, 330, tab, page);
    txtX0_PWX.place(2460, 2460, 1000, 330, tab, page);
    txtY0_PWX.place(4200, 2460, 1000, 330, tab, page);

    txtXmin_PWX.place(120, 2900, 1000, 330, tab, page);
    imgX_PWX.setCaption("≤ x ≤");
    imgX_PWX.place(1200, 2900, 900, 330, tab, page);
    txtXmax_PWX.place(2160, 2900, 1000, 330, tab, page);

    chkFocus_PWX.setCaption("画焦点");
    chkFocus_PWX.place(120, 3380, 1300, 300, tab, page);
    chkDirectrix_PWX.setCaption("画准线");
    chkDirectrix_PWX.place(1500, 3380, 1300, 300, tab, page);
    chkAxis_PWX.setCaption("画对称轴");
    chkAxis_PWX.place(2880, 3380, 1300, 300, tab, page);
    cmdOK_PWX.setCaption("确定");
    cmdOK_PWX.place(3360, 3840, 1200, 400, tab, page);
    cmdCancel_PWX.setCaption("重置");
    cmdCancel_PWX.place(4680, 3840, 1200, 400, tab, page);
}

void ParabolaFamily::bindEvents() {
    for (ParabolaForm form : kAllForms) option(form).Click = [this, form] { chooseForm(form); };
    txt2p.Change = [this] { txt2p_Change(); };
    txtX0_PWX.Change = txtY0_PWX.Change = [this] {
        if (!txtX0_PWX.text().empty() && !txtY0_PWX.text().empty()) txt2p_Change();
    };
    cmdOK_PWX.Click = [this] { cmdOK_PWX_Click(); };
    cmdCancel_PWX.Click = [this] { cmdCancel_PWX_Click(); };
}

forms::OptionButton& ParabolaFamily::option(ParabolaForm form) {
    forms::OptionButton* options[] = {&opt2px,   &opt_2px, &opt2py,   &opt_2py,   &opt2px0,
                                      &opt_2px0, &opt2py0, &opt_2py0, &optAx2_PWX};
    return *options[static_cast<int>(form)];
}

void ParabolaFamily::chooseForm(ParabolaForm form) {
    for (ParabolaForm f : kAllForms)
        if (f != form) option(f).setValue(false);
    const bool general = form == ParabolaForm::Ax2, standard = isStandardParabola(form);
    for (int i = 0; i < 6; ++i) imgPWX[i].setVisible(general ? i >= 3 : i == 0 || (!standard && i < 3));
    txtX0_PWX.setVisible(!standard);
    txtY0_PWX.setVisible(!standard);
    chkAxis_PWX.setVisible(!standard);
    if (standard) chkAxis_PWX.setValue(0);
    graph_.EquationFormKey = parabolaKey(form);
    const Opening opening = formOpening(form);
    txtXmin_PWX.setText(opening == Opening::X ? "0" : common::NumberText(graph_.frame.xMin));
    txtXmax_PWX.setText(opening == Opening::NegX ? "0" : common::NumberText(graph_.frame.xMax));
    txt2p_Change();
}

ParabolaInput ParabolaFamily::input() const {
    return {readBox(txt2p), readBox(txtX0_PWX), readBox(txtY0_PWX)};
}

void ParabolaFamily::txt2p_Change() {
    if (txt2p.text().empty()) return;
    const std::optional<ParabolaForm> form = parabolaFormOf(graph_.EquationFormKey);
    if (!form) return;
    const bool vertexGiven = !txtX0_PWX.text().empty() && !txtY0_PWX.text().empty();
    const std::optional<ProposedRange> range =
        proposeParabolaRange(*form, input(), vertexGiven, graph_.frame);
    if (!range) return;
    if (range->from) txtXmin_PWX.setText(common::NumberText(*range->from));
    if (range->to) txtXmax_PWX.setText(common::NumberText(*range->to));
}

void ParabolaFamily::cmdCancel_PWX_Click() {
    for (forms::TextBox* box : {&txt2p, &txtX0_PWX, &txtY0_PWX, &txtXmin_PWX, &txtXmax_PWX}) box->setText("");
    for (forms::CheckBox* check : {&chkFocus_PWX, &chkDirectrix_PWX, &chkAxis_PWX}) check->setValue(0);
    chooseOption(opt2px, [this] { opt2px_Click(); });
}

// Every item comes back in the translated form of its opening, the general
// quadratic included.
void ParabolaFamily::loadRecord(int index) {
    const ParabolaRecord& r = records.get(index);
    const ParabolaForm form = translatedForm(openingOfText(r.opening));
    chooseOption(option(form), [this, form] { chooseForm(form); });
    txt2p.setText(common::NumberText(r.s));
    txtX0_PWX.setText(common::NumberText(r.x0));
    txtY0_PWX.setText(common::NumberText(r.y0));
    txtXmin_PWX.setText(common::NumberText(r.xFrom));
    txtXmax_PWX.setText(common::NumberText(r.xTo));
    chkFocus_PWX.setValue(r.focus ? 1 : 0);
    chkDirectrix_PWX.setValue(r.directrix ? 1 : 0);
    chkAxis_PWX.setValue(r.axis ? 1 : 0);
    graph_.showLineLook(r.look);
}

void ParabolaFamily::render(SlideContext& slide, int index) {
    RenderParabola(slide, records.get(index), graph_.CurveExtents);
}

}  // namespace graph
